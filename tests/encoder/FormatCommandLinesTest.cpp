// SPDX-License-Identifier: GPL-3.0-or-later
// The command lines of the 25 output formats, as the application assembles
// them for a sample choice of options, run through the real encoder; each
// output is checked as a player would see it.
#include "Clips.h"
#include "EncoderProcess.h"
#include "MediaExpectations.h"

#include <gtest/gtest.h>

namespace encodertest {
namespace {

struct FormatCase {
    const char* name;
    const char* clip;
    bool alternativeReader;
    const char* options;     // what the assembly puts between the input and the output
    const char* extension;
    OutputStreams expected;
};

std::string CommandLine(const FormatCase& c, const std::filesystem::path& output)
{
    return "\"" + EncoderPath() + "\" -@ -y  -i \"" + (c.alternativeReader ? "DS:\\\\" : "") + Clip(c.clip).string()
        + "\"" + c.options + " \"" + output.string() + "\"";
}

class FormatCommandLine : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCommandLine, WritesTheFormatThatWasAskedFor)
{
    const FormatCase& c = GetParam();
    const auto output = OutputFolder(c.name) / (std::string("clip.") + c.extension);

    const EncoderRun run = RunCommandLine(CommandLine(c, output));

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.front().rfind("Input #0, ", 0), 0u) << run.output;
    EXPECT_TRUE(LinesWithErrorWords(run.lines).empty()) << run.output;

    ExpectMedia media(output);
    media.streams(c.expected);
    if (std::string(c.extension) == "THM")
        media.videoPackets(1);
    else
        media.lasts(fixtures::ReadMedia(Clip(c.clip)).duration);
}

// Sources are 640x352 (the 3GP clip 176x144); letterboxed sizes are those
// the application computes for that source.
INSTANTIATE_TEST_SUITE_P(
    Formats, FormatCommandLine,
    ::testing::Values(
        FormatCase{"iPod320Good", "avi", false,
                   R"x( -vcodec "mpeg4"  -b "1500"  -acodec "mpeg4aac" -ab "64" -ar "44100" -ac "2 (stereo)" -s 320x176 -padtop 32 -padbottom 32)x",
                   "mp4", "mp4", "mpeg4", 320, 240, 25, "aac", 44100, 2},
        FormatCase{"iPod320Normal", "mp4", false,
                   R"x( -vcodec "xvid"  -b "1200" -r "29.97"  -acodec "mpeg4aac" -ab "64" -ar "32000" -ac "1 (mono)" -s 320x240)x",
                   "mp4", "mp4", "mpeg4", 320, 240, 29.97, "aac", 32000, 1},
        FormatCase{"iPod320Mini", "mov", false,
                   R"x( -vcodec "h264"  -b "512" -r "14.985"  -acodec "mpeg4aac" -ab "48" -ar "22050" -ac "2 (stereo)" -vol_factor "100" -s 320x240)x",
                   "mp4", "mp4", "h264", 320, 240, 14.985, "aac", 22050, 2},
        FormatCase{"iPod640Good", "matroska", false,
                   R"x( -vcodec "mpeg4"  -b "2500" -r "23.975"  -acodec "mpeg4aac" -ab "80" -ar "48000" -ac "2 (stereo)" -s 640x352 -padtop 64 -padbottom 64)x",
                   "mp4", "mp4", "mpeg4", 640, 480, 23.976, "aac", 48000, 2},
        FormatCase{"iPod640NormalMuted", "mpeg", false,
                   R"x( -vcodec "mpeg4"  -b "1200"  -acodec "mpeg4aac" -ab "80" -ar "44100" -ac "2 (stereo)" -an  -s 640x480)x",
                   "mp4", "mp4", "mpeg4", 640, 480, 25, "", 0, 0},
        FormatCase{"iPod640Mini", "asf", false,
                   R"x( -vcodec "h264"  -b "512" -r "30.0"  -acodec "mpeg4aac" -ab "80" -ar "32000" -ac "2 (stereo)" -s 640x480)x",
                   "mp4", "mp4", "h264", 640, 480, 30, "aac", 32000, 2},
        FormatCase{"iPodForTV", "flv", false,
                   R"x( -vcodec "xvid"  -b "2500" -r "15.0"  -acodec "mpeg4aac" -ab "80" -ar "44100" -ac "2 (stereo)" -vol_factor "2" -s 640x480)x",
                   "mp4", "mp4", "mpeg4", 640, 480, 15, "aac", 44100, 2},
        FormatCase{"ZuneMpeg4", "rm", true,
                   R"x( -vcodec "mpeg4" -b "1200" -r "29.97"  -acodec "mpeg4aac" -ab "128" -ar "8000 " -ac "2 (stereo)" -s 320x240)x",
                   "mp4", "mp4", "mpeg4", 320, 240, 29.97, "aac", 8000, 2},
        FormatCase{"ZuneAvc", "3gp", false,
                   R"x( -bitexact -vcodec "h264" -b "1200" -maxrate "1500" -bufsize "1280" -r "29.97" -acodec "mpeg4aac" -ab "128" -ar "54000" -ac "2 (stereo)" -g "250"  -qscale "25"  -coder "1" -s 640x480)x",
                   "mp4", "mp4", "h264", 640, 480, 29.97, "aac", 48000, 2},
        FormatCase{"ZuneWmv", "avi", false,
                   R"x( -id3v2 -vcodec "wmv3x" -b "1200"  -acodec "wma7x"  -ab "128" -ar "96000" -ac "2 (stereo)" -s 320x240 -f xwmv )x",
                   "wmv", "asf", "wmv2", 320, 240, 25, "wmav2", 48000, 2},
        FormatCase{"PspVideo", "avi", false,
                   R"x( -vcodec "xvid" -b "400" -r "29.97"  -acodec "mpeg4aac" -ab "64" -ar "24000" -ac "2 (stereo)" -s 368x204 -padtop 2 -padbottom 2 -f psp)x",
                   "mp4", "psp", "mpeg4", 368, 208, 29.97, "aac", 24000, 2},
        FormatCase{"PspVideoThumbnail", "avi", false,
                   R"x( -f singlejpeg -ss 3 -vframes 1  -s 368x204 -padtop 2 -padbottom 2 -an )x",
                   "THM", "jpeg_pipe", "mjpeg", 368, 208, 25, "", 0, 0},
        FormatCase{"PspAvc", "mp4", false,
                   R"x( -bitexact -title "clip-mp4" -vcodec "h264" -b "400" -maxrate "1500" -bufsize "128" -r "29.97"  -acodec "mpeg4aac" -ab "64" -ar "48000" -ac "2 (stereo)" -g "250" -qscale "25" -coder "1"  -s 320x240 -f psp)x",
                   "mp4", "psp", "h264", 320, 240, 29.97, "aac", 48000, 2},
        FormatCase{"PspAvcThumbnail", "mp4", false, R"x( -f singlejpeg -ss 3 -vframes 1  -s 320x240 -an )x",
                   "THM", "jpeg_pipe", "mjpeg", 320, 240, 25, "", 0, 0},
        FormatCase{"Ps3480P", "mov", false,
                   R"x( -bitexact -vcodec "h264" -b "1200" -maxrate "3500" -bufsize "1280"  -r "29.97" -acodec "mpeg4aac" -ab "80" -ar "44100" -ac "2 (stereo)" -g "250"  -qscale "25"  -coder "1" -s 720x480)x",
                   "mp4", "mp4", "h264", 720, 480, 29.97, "aac", 44100, 2},
        FormatCase{"Ps3720P", "matroska", false,
                   R"x( -bitexact -vcodec "h264" -b "2000" -maxrate "3500" -bufsize "1280"  -r "29.97" -acodec "mpeg4aac" -ab "256" -ar "96000" -ac "2 (stereo)" -g "250"  -qscale "25"  -coder "1" -s 1280x704 -padtop 8 -padbottom 8)x",
                   "mp4", "mp4", "h264", 1280, 720, 29.97, "aac", 96000, 2},
        FormatCase{"Ps31080P", "asf", false,
                   R"x( -bitexact -vcodec "h264" -b "2000" -maxrate "3500" -bufsize "1280"  -r "29.97" -acodec "mpeg4aac" -ab "256" -ar "44100" -ac "2 (stereo)" -g "250"  -qscale "25"  -coder "1" -s 1920x1072)x",
                   "mp4", "mp4", "h264", 1920, 1072, 29.97, "aac", 44100, 2},
        FormatCase{"ThreeGp", "avi", false,
                   R"x( -vcodec "h263"  -b "128"  -bt "60"  -acodec "amr_nb" -ab "48" -ar "8000 " -ac "1 (mono)" -s 176x96 -padtop 24 -padbottom 24)x",
                   "3gp", "3gp", "h263", 176, 144, 25, "amr_nb", 8000, 1},
        FormatCase{"ThreeG2", "flv", false,
                   R"x( -vcodec "mpeg4"  -b "256" -r "14.985"  -bt "60"  -acodec "mpeg4aac" -ab "32" -ar "16000" -ac "1 (mono)" -s 220x124 -padtop 26 -padbottom 26 -f 3gp)x",
                   "3g2", "3gp", "mpeg4", 220, 176, 14.985, "aac", 16000, 1},
        FormatCase{"Aac", "wav", false, R"x( -acodec "aac" -ab "128" -ar "44100" -ac "2 (stereo)" -vn )x",
                   "aac", "aac", "", 0, 0, 0, "aac", 44100, 2},
        FormatCase{"M4a", "mp4", false, R"x( -acodec "mpeg4aac" -ab "128" -ar "48000" -ac "2 (stereo)" -vn )x",
                   "m4a", "m4a", "", 0, 0, 0, "aac", 48000, 2},
        FormatCase{"Mp3FromAVideo", "avi", false,
                   R"x( -id3v1 -id3v2 -acodec "mp3" -ab "192" -ar "48000" -ac "2 (stereo)")x", "mp3", "mp3", "", 0, 0,
                   0, "mp3", 48000, 2},
        FormatCase{"Wma", "mp3", false,
                   R"x( -id3v2 -acodec "wma7x" -ab "128" -ar "48000" -ac "2 (stereo)" -vn -f xwmv)x", "wma", "asf", "",
                   0, 0, 0, "wmav2", 48000, 2},
        FormatCase{"Avi", "mpeg", false,
                   R"x( -vcodec "h264"  -b "1200" -r "29.97"  -acodec "ac3"  -ab "128" -ar "44100" -ac "2 (stereo)" -s 640x352)x",
                   "avi", "avi", "h264", 640, 352, 29.97, "ac3", 44100, 2},
        FormatCase{"Mpeg", "avi", false,
                   R"x( -vcodec "mpeg1video" -b "1600" -r "25" -acodec "mp2"  -ab "128" -ar "44100" -ac "2 (stereo)" -s 352x240)x",
                   "mpg", "mpeg", "mpeg1video", 352, 240, 25, "mp2", 44100, 2},
        FormatCase{"Mov", "ntsc", false,
                   R"x( -vcodec "mpeg4_qt" -b "1200"  -acodec "mpeg4aac_qt" -ab "128" -ar "44100" -ac "2 (stereo)" -s 640x352 -f qt)x",
                   "mov", "mov", "mpeg4", 640, 352, 29.97, "aac", 44100, 2},
        FormatCase{"Wmv", "mov", false,
                   R"x( -id3v2 -vcodec "wmv1x" -b "768" -r "29.97"  -acodec "wma7x"  -ab "96" -ar "22050" -ac "1 (mono)" -s 480x272 -f xwmv )x",
                   "wmv", "asf", "wmv1", 480, 272, 29.97, "wmav2", 22050, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace encodertest
