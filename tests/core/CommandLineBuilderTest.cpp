// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/OutputNaming.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "platform/CommandLineSplit.h"
#include "support/TempDir.h"

#include <algorithm>

#include <filesystem>
#include <unistd.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kAppDir = "/opt/v/";
constexpr const char* kInput = "/videos/holiday.avi";
constexpr const char* kPrefix = "\"/opt/v/ridod2e\" -@ -y  -i \"/videos/holiday.avi\"";

class Builder : public ::testing::Test {
protected:
    // The window's defaults for a format, writing into the temporary output folder.
    ConversionChoices ChoicesFor(int format) const
    {
        return TakeChoices(ProfileStateFor(format), "50", out.path().string(), false, kAppDir);
    }

    // The extension the queue takes from the Output cell.
    static std::string Ext(int format) { return Lower(FormatTag(format)); }
    static std::string Lower(std::string text)
    {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }

    JobInput Job(const std::string& input, const std::string& ext, const std::string& size = "0 x 0",
                 InputOptions options = {}) const
    {
        return {input, size, ext, options};
    }

    std::string Out(const std::string& name) const { return out.path().string() + "/" + name; }

    TempDir out;
};

// The example of the builder's documentation, on this platform.
ConversionChoices ExampleChoices()
{
    ConversionChoices choices;
    choices.formatIndex = 0;
    choices.videoCodec = "MPEG4";
    choices.videoSize = "320 x 240";
    choices.videoBitrate = "1500 Kbps";
    choices.frameRate = " Auto";
    choices.audioCodec = "mpeg4aac";
    choices.audioBitrate = "64 Kbps";
    choices.samplingRate = "44100 Hz";
    choices.channelIndex = 0;
    choices.letterBoxIndex = 0;
    choices.muteIndex = 0;
    choices.volumeFactor = "50";
    choices.outputDir = "/home/u/iPod Files";
    choices.appDir = kAppDir;
    return choices;
}

TEST(BuilderExample, PlainIPodLineByteForByte)
{
    const BuildResult result = BuildCommandLine(ExampleChoices(), {kInput, "0 x 0", "mp4", {}}, BuilderDisk{false, {}});
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.commandLine,
              "\"/opt/v/ridod2e\" -@ -y  -i \"/videos/holiday.avi\" -vcodec \"mpeg4\"  -b \"1500\"  -acodec "
              "\"mpeg4aac\" -ab \"64\" -ar \"44100\" -ac \"2 (stereo)\" -s 320x240 \"/home/u/iPod Files/holiday.mp4\"");
    EXPECT_EQ(result.outputPath, "/home/u/iPod Files/holiday.mp4");
    EXPECT_FALSE(result.thumbnailDue);
}

TEST(BuilderExample, FrameRateAndLetterboxLineByteForByte)
{
    ConversionChoices choices = ExampleChoices();
    choices.frameRate = "29.97 fps";
    choices.letterBoxIndex = 1;
    const BuildResult result = BuildCommandLine(choices, {kInput, "640 x 352", "mp4", {}}, BuilderDisk{false, {}});
    EXPECT_EQ(result.commandLine,
              "\"/opt/v/ridod2e\" -@ -y  -i \"/videos/holiday.avi\" -vcodec \"mpeg4\"  -b \"1500\" -r \"29.97\"  "
              "-acodec \"mpeg4aac\" -ab \"64\" -ar \"44100\" -ac \"2 (stereo)\" -s 320x176 -padtop 32 -padbottom 32 "
              "\"/home/u/iPod Files/holiday.mp4\"");
}

TEST_F(Builder, EveryFormatAssemblyWithItsDefaults)
{
    const struct {
        int format;
        const char* middle;
    } table[] = {
        {0, " -vcodec \"mpeg4\"  -b \"1500\"  -acodec \"mpeg4aac\" -ab \"64\" -ar \"44100\" -ac \"2 (stereo)\" -s 320x240"},
        {1, " -vcodec \"mpeg4\"  -b \"1200\"  -acodec \"mpeg4aac\" -ab \"64\" -ar \"44100\" -ac \"2 (stereo)\" -s 320x240"},
        {2, " -vcodec \"mpeg4\"  -b \"512\"  -acodec \"mpeg4aac\" -ab \"64\" -ar \"44100\" -ac \"2 (stereo)\" -s 320x240"},
        {3, " -vcodec \"mpeg4\"  -b \"2500\"  -acodec \"mpeg4aac\" -ab \"80\" -ar \"44100\" -ac \"2 (stereo)\" -s 640x480"},
        {4, " -vcodec \"mpeg4\"  -b \"1200\"  -acodec \"mpeg4aac\" -ab \"80\" -ar \"44100\" -ac \"2 (stereo)\" -s 640x480"},
        {5, " -vcodec \"mpeg4\"  -b \"512\"  -acodec \"mpeg4aac\" -ab \"80\" -ar \"44100\" -ac \"2 (stereo)\" -s 640x480"},
        {6, " -vcodec \"mpeg4\"  -b \"2500\"  -acodec \"mpeg4aac\" -ab \"80\" -ar \"44100\" -ac \"2 (stereo)\" -s 640x480"},
        {8, " -vcodec \"mpeg4\" -b \"1200\" -r \"29.97\"  -acodec \"mpeg4aac\" -ab \"128\" -ar \"44100\" -ac \"2 (stereo)\" "
            "-s 320x240"},
        {9, " -bitexact -vcodec \"h264\" -b \"1200\" -maxrate \"1500\" -bufsize \"1280\" -r \"29.97\" -acodec \"mpeg4aac\" "
            "-ab \"128\" -ar \"48000\" -ac \"2 (stereo)\" -g \"250\"  -qscale \"25\"  -coder \"1\" -s 320x240"},
        {10, " -id3v2 -vcodec \"wmv3x\" -b \"1200\"  -acodec \"wma7x\"  -ab \"128\" -ar \"48000\" -ac \"2 (stereo)\" "
             "-s 320x240 -f xwmv "},
        {12, " -vcodec \"xvid\" -b \"400\" -r \"29.97\"  -acodec \"mpeg4aac\" -ab \"64\" -ar \"24000\" -ac \"2 (stereo)\" "
             "-s 368x208 -f psp"},
        {13, " -bitexact -title \"holiday\" -vcodec \"h264\" -b \"400\" -maxrate \"1500\" -bufsize \"128\" -r \"29.97\"  "
             "-acodec \"mpeg4aac\" -ab \"64\" -ar \"48000\" -ac \"2 (stereo)\" -g \"250\" -qscale \"25\" -coder \"1\"  "
             "-s 368x208 -f psp"},
        {14, " -bitexact -vcodec \"h264\" -b \"1200\" -maxrate \"3500\" -bufsize \"1280\"  -r \"29.97\" -acodec \"mpeg4aac\" "
             "-ab \"80\" -ar \"44100\" -ac \"2 (stereo)\" -g \"250\"  -qscale \"25\"  -coder \"1\" -s 720x480"},
        {15, " -bitexact -vcodec \"h264\" -b \"2000\" -maxrate \"3500\" -bufsize \"1280\"  -r \"29.97\" -acodec \"mpeg4aac\" "
             "-ab \"256\" -ar \"44100\" -ac \"2 (stereo)\" -g \"250\"  -qscale \"25\"  -coder \"1\" -s 1280x720"},
        {16, " -bitexact -vcodec \"h264\" -b \"2000\" -maxrate \"3500\" -bufsize \"1280\"  -r \"29.97\" -acodec \"mpeg4aac\" "
             "-ab \"256\" -ar \"44100\" -ac \"2 (stereo)\" -g \"250\"  -qscale \"25\"  -coder \"1\" -s 1920x1072"},
        {18, " -vcodec \"mpeg4\"  -b \"128\"  -bt \"60\"  -acodec \"amr_nb\" -ab \"48\" -ar \"8000 \" -ac \"1 (mono)\" "
             "-s 176x144"},
        {19, " -vcodec \"mpeg4\"  -b \"128\"  -bt \"60\"  -acodec \"mpeg4aac\" -ab \"48\" -ar \"8000 \" -ac \"1 (mono)\" "
             "-s 176x144 -f 3gp"},
        {21, " -acodec \"aac\" -ab \"128\" -ar \"44100\" -ac \"2 (stereo)\" -vn "},
        {22, " -acodec \"mpeg4aac\" -ab \"128\" -ar \"48000\" -ac \"2 (stereo)\" -vn "},
        {23, " -id3v1 -id3v2 -acodec \"mp3\" -ab \"192\" -ar \"48000\" -ac \"2 (stereo)\""},
        {24, " -id3v2 -acodec \"wma7x\" -ab \"128\" -ar \"48000\" -ac \"2 (stereo)\" -vn -f xwmv"},
        {26, " -vcodec \"mpeg4\"  -b \"1200\" -r \"29.97\"  -acodec \"mp3\"  -ab \"128\" -ar \"44100\" -ac \"2 (stereo)\""},
        {27, " -vcodec \"mpeg1video\" -b \"1600\" -r \"25\" -acodec \"mp2\"  -ab \"128\" -ar \"44100\" -ac \"2 (stereo)\""},
        {28, " -vcodec \"mpeg4_qt\" -b \"1200\"  -acodec \"mpeg4aac_qt\" -ab \"128\" -ar \"44100\" -ac \"2 (stereo)\" -f qt"},
        {29, " -id3v2 -vcodec \"wmv3x\" -b \"1200\" -r \"29.97\"  -acodec \"wma7x\"  -ab \"128\" -ar \"44100\" "
             "-ac \"2 (stereo)\" -f xwmv "},
    };
    ASSERT_EQ(std::size(table), 25u);
    for (const auto& row : table) {
        const std::string ext = Ext(row.format);
        const BuildResult result = BuildCommandLine(ChoicesFor(row.format), Job(kInput, ext));
        ASSERT_TRUE(result.ok()) << row.format;
        EXPECT_EQ(result.commandLine, kPrefix + std::string(row.middle) + " \"" + Out("holiday." + ext) + "\"")
            << "format " << row.format;
        EXPECT_EQ(result.thumbnailDue, row.format == 12 || row.format == 13) << row.format;
    }
}

TEST_F(Builder, TodaysFormatsWithTheirDefaultsAndWithChoices)
{
    using Change = void (*)(ConversionChoices&);
    const struct {
        int format;
        const char* sourceSize;
        Change change;
        const char* middle;
    } table[] = {
        {31, "640 x 352", nullptr,
         " -vcodec \"h264\" -crf \"23\" -preset \"medium\" -acodec \"aac\" -ab \"160\" -ac \"2 (stereo)\" -s keep "
         "-movflags +faststart -chapters -keepall"},
        {31, "640 x 352",
         [](ConversionChoices& c) {
             c.videoCodec = "AV1"; c.videoBitrate = "2500 Kbps"; c.frameRate = "25 fps"; c.samplingRate = "48000 Hz";
             c.channelIndex = 1; c.muteIndex = 1; c.volumeFactor = "100"; c.videoSize = "1280 x 720"; c.letterBoxIndex = 0;
         },
         " -vcodec \"av1\" -b \"2500\" -preset \"8\" -r \"25\" -acodec \"aac\" -ab \"160\" -ar \"48000\" "
         "-ac \"1 (mono)\" -an  -vol_factor \"100\" -s 1280x720 -fit -movflags +faststart -chapters -keepall"},
        // The letterbox bars need the row's size; without it the encoder fits the picture itself.
        {31, "640 x 352", [](ConversionChoices& c) { c.videoSize = "1280 x 720"; },
         " -vcodec \"h264\" -crf \"23\" -preset \"medium\" -acodec \"aac\" -ab \"160\" -ac \"2 (stereo)\" "
         "-s 1280x704 -padtop 8 -padbottom 8 -movflags +faststart -chapters -keepall"},
        {31, "Unknown", [](ConversionChoices& c) { c.videoSize = "854 x 480"; },
         " -vcodec \"h264\" -crf \"23\" -preset \"medium\" -acodec \"aac\" -ab \"160\" -ac \"2 (stereo)\" "
         "-s 854x480 -fit -movflags +faststart -chapters -keepall"},
        // H.265, AV1 and VP9 keep HDR unless the list asks for SDR.
        {31, "640 x 352", [](ConversionChoices& c) { c.videoCodec = "H.265 (HEVC)"; c.hdr = "Tone-map to SDR"; },
         " -vcodec \"h265\" -crf \"28\" -preset \"medium\" -tonemap -acodec \"aac\" -ab \"160\" -ac \"2 (stereo)\" "
         "-s keep -movflags +faststart -chapters -keepall"},
        {32, "640 x 352", [](ConversionChoices& c) { c.hdr = "Keep HDR"; },
         " -vcodec \"vp9\" -crf \"32\" -preset \"4\" -acodec \"opus\" -ab \"128\" -ac \"2 (stereo)\" -s keep -chapters -keepall"},
        {32, "640 x 352", nullptr,
         " -vcodec \"vp9\" -crf \"32\" -preset \"4\" -acodec \"opus\" -ab \"128\" -ac \"2 (stereo)\" -s keep -chapters -keepall"},
        {33, "640 x 352", nullptr, " -vcodec \"copy\" -acodec \"copy\" -movflags +faststart -chapters"},
        {33, "640 x 352", [](ConversionChoices& c) { c.muteIndex = 1; },
         " -vcodec \"copy\" -acodec \"copy\" -an  -movflags +faststart -chapters"},
        {34, "640 x 352", nullptr, " -vcodec \"copy\" -acodec \"copy\" -chapters"},
        {35, "640 x 352", nullptr, " -vcodec \"gif\" -r \"12\" -s 480x0 -fit -an"},
        {35, "0 x 0", [](ConversionChoices& c) { c.videoSize = "Original"; c.frameRate = "25 fps"; },
         " -vcodec \"gif\" -r \"25\" -s keep -an"},
        {37, "640 x 352", nullptr, " -acodec \"flac\" -vn -chapters"},
        {37, "640 x 352", [](ConversionChoices& c) { c.channelIndex = 1; }, " -acodec \"flac\" -ac \"1 (mono)\" -vn -chapters"},
        {38, "640 x 352", nullptr, " -acodec \"opus\" -ab \"128\" -vn -chapters"},
        {39, "640 x 352", nullptr, " -acodec \"vorbis\" -ab \"160\" -ac \"2 (stereo)\" -vn -chapters"},
        {40, "640 x 352", nullptr, " -acodec \"pcm_s16le\" -vn"},
        // A preferred sound track's language goes last; a text that is no language does not.
        {23, "0 x 0", [](ConversionChoices& c) { c.audioLanguage = "fra"; },
         " -id3v1 -id3v2 -acodec \"mp3\" -ab \"192\" -ar \"48000\" -ac \"2 (stereo)\" -alang \"fra\""},
        {23, "0 x 0", [](ConversionChoices& c) { c.audioLanguage = "fr\" -vn"; },
         " -id3v1 -id3v2 -acodec \"mp3\" -ab \"192\" -ar \"48000\" -ac \"2 (stereo)\""},
    };
    for (const auto& row : table) {
        ConversionChoices choices = ChoicesFor(row.format);
        if (row.change)
            row.change(choices);
        const std::string ext = Ext(row.format);
        const BuildResult result = BuildCommandLine(choices, Job(kInput, ext, row.sourceSize));
        ASSERT_TRUE(result.ok()) << row.format;
        EXPECT_EQ(result.commandLine, kPrefix + std::string(row.middle) + " \"" + Out("holiday." + ext) + "\"")
            << "format " << row.format;
        EXPECT_FALSE(result.thumbnailDue);
    }
}

TEST_F(Builder, GeneralVideoFormatsSendTheSourceSizeForOriginalVideoSize)
{
    const BuildResult result = BuildCommandLine(ChoicesFor(26), Job(kInput, "avi", "640 x 352"));
    EXPECT_EQ(result.commandLine, std::string(kPrefix)
                  + " -vcodec \"mpeg4\"  -b \"1200\" -r \"29.97\"  -acodec \"mp3\"  -ab \"128\" -ar \"44100\" "
                    "-ac \"2 (stereo)\" -s 640x352 \"" + Out("holiday.avi") + "\"");
}

TEST_F(Builder, MissingOutputDirectoryIsCreated)
{
    const std::string dir = Out("new folder");
    ConversionChoices choices = ChoicesFor(0);
    choices.outputDir = "  " + dir + " ";
    const BuildResult result = BuildCommandLine(choices, Job(kInput, "mp4"));
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_EQ(result.outputPath, dir + "/holiday.mp4");
}

TEST_F(Builder, ADirectoryThatCannotBeCreatedStopsWithTheMessageAndCreatesNothing)
{
    out.write("a file", "x");
    for (const std::string& dir : {Out("missing/parent"), Out("a file"), std::string()}) {
        ConversionChoices choices = ChoicesFor(12);
        choices.outputDir = dir;
        const BuildResult result = BuildCommandLine(choices, Job("/videos/other.avi", "mp4"));
        EXPECT_EQ(result.status, BuildResult::Status::DirectoryError) << dir;
        EXPECT_EQ(result.error,
                  "Fail to create directory. Please choose a different directory \n\rand give the directory a new name");
        EXPECT_EQ(result.commandLine, "");
        EXPECT_EQ(result.outputPath, "");
        EXPECT_FALSE(result.thumbnailDue);
        EXPECT_FALSE(result.cause.empty()) << dir;
    }
    EXPECT_FALSE(fs::exists(Out("missing")));
    ConversionChoices choices = ChoicesFor(0);
    choices.outputDir = Out("missing/parent");
    EXPECT_EQ(BuildCommandLine(choices, Job(kInput, "mp4")).cause, "No such file or directory");
}

TEST_F(Builder, The3G2LineSendsTheSelectedAudioCodec)
{
    ConversionChoices choices = ChoicesFor(19);
    choices.audioCodec = "amr_nb";
    const std::string line = BuildCommandLine(choices, Job(kInput, "3g2")).commandLine;
    EXPECT_NE(line.find(" -bt \"60\"  -acodec \"amr_nb\" -ab \"48\""), std::string::npos) << line;
    // 3GP offers AMR alone and keeps its fixed piece.
    choices = ChoicesFor(18);
    choices.audioCodec = "mpeg4aac";
    EXPECT_NE(BuildCommandLine(choices, Job(kInput, "3gp")).commandLine.find("-acodec \"amr_nb\""),
              std::string::npos);
}

TEST(OutputPaths, TheRunWritesBesideTheTargetAndTheLineNamesItInstead)
{
    const std::string partial = PartialOutputPath("/out/a.b.mp4");
    EXPECT_TRUE(partial.starts_with("/out/.a.b.partial-") && partial.ends_with(".mp4")) << partial;
    EXPECT_EQ(partial.size(), std::string("/out/.a.b.partial-").size() + 10 + 4);
    EXPECT_NE(partial, PartialOutputPath("/out/a.b.mp4"));
    EXPECT_EQ(partial.find(std::to_string(getpid())), std::string::npos);
    // A stem as long as a name may be keeps its output name; the partial one is cut to fit.
    const std::string stem = std::string(230, 'x') + "\xc3\xa9" + std::string(19, 'y');
    const std::string longPartial = PartialOutputPath("/out/" + stem + ".mp4");
    EXPECT_EQ(fs::path(longPartial).filename().string().size(), 254u);
    EXPECT_TRUE(longPartial.starts_with("/out/." + std::string(230, 'x') + ".partial-")) << longPartial;
    EXPECT_EQ(WithOutputPath("\"/e/ridod2e\" -i \"/in/a.avi\" -s 320x240 \"/out/a.mp4\"", "/out/a.mp4", "/out/.a.mp4"),
              "\"/e/ridod2e\" -i \"/in/a.avi\" -s 320x240 \"/out/.a.mp4\"");
    EXPECT_EQ(WithOutputPath("\"/e/ridod2e\" -i \"/out/a.mp4\" -vn", "/out/a.mp4", "/x"), std::nullopt);
}

TEST_F(Builder, ExistingOutputIsNumberedUnlessOverwriting)
{
    out.write("holiday.mp4", "x");
    EXPECT_EQ(BuildCommandLine(ChoicesFor(0), Job(kInput, "mp4")).outputPath, Out("holiday-1.mp4"));
    out.write("holiday-1.mp4", "x");
    const BuildResult second = BuildCommandLine(ChoicesFor(0), Job(kInput, "mp4"));
    EXPECT_EQ(second.outputPath, Out("holiday-2.mp4"));
    EXPECT_NE(second.commandLine.find(" \"" + Out("holiday-2.mp4") + "\""), std::string::npos);

    ConversionChoices overwrite = ChoicesFor(0);
    overwrite.overwrite = true;
    EXPECT_EQ(BuildCommandLine(overwrite, Job(kInput, "mp4")).outputPath, Out("holiday.mp4"));
}

TEST_F(Builder, TheInputItselfIsNeverTheOutputEvenWhenOverwriting)
{
    const std::string input = out.write("clip.mp4", "video").string();
    for (bool overwrite : {false, true}) {
        ConversionChoices choices = ChoicesFor(0);
        choices.overwrite = overwrite;
        EXPECT_EQ(BuildCommandLine(choices, Job(input, "mp4")).outputPath, Out("clip-1.mp4")) << overwrite;
        choices.outputDir += "/";
        EXPECT_EQ(BuildCommandLine(choices, Job(input, "mp4")).outputPath,
                  out.path().string() + "//clip-1.mp4")
            << overwrite;
    }
}

TEST_F(Builder, AnInputWithANumberedNameIsNumberedOnce)
{
    const std::string input = out.write("clip-1.mp4", "video").string();
    EXPECT_EQ(BuildCommandLine(ChoicesFor(0), Job(input, "mp4")).outputPath, Out("clip-1-1.mp4"));
}

TEST_F(Builder, DirectoryTextEndingInASeparatorGivesTwoSeparators)
{
    ConversionChoices choices = ChoicesFor(0);
    choices.outputDir = out.path().string() + "/";
    const BuildResult result = BuildCommandLine(choices, Job(kInput, "mp4"));
    EXPECT_EQ(result.outputPath, out.path().string() + "//holiday.mp4");
    EXPECT_NE(result.commandLine.find(out.path().string() + "//holiday.mp4\""), std::string::npos);
}

TEST_F(Builder, SeveralDotsKeepTheBaseName)
{
    EXPECT_EQ(BuildCommandLine(ChoicesFor(0), Job("/videos/a.b.avi", "mp4")).outputPath, Out("a.b.mp4"));
}

TEST_F(Builder, PspVideoIsFollowedByAThumbnailBesideIt)
{
    out.write("holiday.mp4", "x");
    const ConversionChoices choices = ChoicesFor(12);
    const BuildResult video = BuildCommandLine(choices, Job(kInput, "mp4", "640 x 352"));
    ASSERT_TRUE(video.ok());
    EXPECT_TRUE(video.thumbnailDue);
    EXPECT_EQ(video.outputPath, Out("holiday-1.mp4"));
    const BuildResult thumbnail =
        BuildThumbnailCommandLine(choices, Job(kInput, "mp4", "640 x 352"), video.outputPath);
    EXPECT_EQ(thumbnail.commandLine, std::string(kPrefix) + " -f singlejpeg -ss 3 -vframes 1  -s 368x204 -padtop 2 "
                                                            "-padbottom 2 -an  \"" + Out("holiday-1.THM") + "\"");
    EXPECT_EQ(thumbnail.outputPath, Out("holiday-1.THM"));
    EXPECT_FALSE(thumbnail.thumbnailDue);
}

TEST_F(Builder, ThumbnailOfAnUnnumberedVideoIsNotNumberedAgainstIt)
{
    const ConversionChoices choices = ChoicesFor(13);
    const BuildResult video = BuildCommandLine(choices, Job(kInput, "mp4"));
    out.write("holiday.mp4", "the video run wrote it");
    const BuildResult thumbnail = BuildThumbnailCommandLine(choices, Job(kInput, "mp4"), video.outputPath);
    EXPECT_EQ(thumbnail.commandLine, std::string(kPrefix) + " -f singlejpeg -ss 3 -vframes 1  -s 368x208 -an  \""
                  + Out("holiday.THM") + "\"");
}

TEST_F(Builder, TheRetryReadsAMovAsQuickTimeForTheVideoAndTheThumbnail)
{
    const ConversionChoices choices = ChoicesFor(12);
    const JobInput first = Job("/videos/movie.mov", "mp4");
    JobInput second = first;
    second.options = SecondAttemptOptions(first.inputPath, first.options);
    const BuildResult retry = BuildCommandLine(choices, second);
    EXPECT_EQ(retry.commandLine.rfind("\"/opt/v/ridod2e\" -@ -y  -f qt -i \"/videos/movie.mov\" -vcodec \"xvid\"", 0), 0u)
        << retry.commandLine;
    const BuildResult thumbnail = BuildThumbnailCommandLine(choices, second, retry.outputPath);
    EXPECT_EQ(thumbnail.commandLine.rfind("\"/opt/v/ridod2e\" -@ -y  -f qt -i \"/videos/movie.mov\" -f singlejpeg", 0), 0u);
}

TEST_F(Builder, RealMediaInputGoesThroughTheAlternativeReader)
{
    const std::string input = "/videos/clip.rm";
    const BuildResult result =
        BuildCommandLine(ChoicesFor(0), Job(input, "mp4", "0 x 0", FirstAttemptOptions(input)));
    EXPECT_EQ(result.commandLine.rfind("\"/opt/v/ridod2e\" -@ -y  -i \"DS:\\\\/videos/clip.rm\" -vcodec", 0), 0u)
        << result.commandLine;
}

TEST_F(Builder, MuteAddsNoAudioToVideoOutputsOnly)
{
    ConversionChoices choices = ChoicesFor(0);
    choices.muteIndex = 1;
    choices.volumeFactor = "100";
    const BuildResult video = BuildCommandLine(choices, Job(kInput, "mp4"));
    EXPECT_FALSE(video.resetMute);
    EXPECT_NE(video.commandLine.find("-ac \"2 (stereo)\" -an  -vol_factor \"100\" -s 320x240"), std::string::npos)
        << video.commandLine;

    ConversionChoices audio = ChoicesFor(23);
    audio.muteIndex = 1;
    const BuildResult mp3 = BuildCommandLine(audio, Job(kInput, "mp3"));
    EXPECT_TRUE(mp3.resetMute);
    EXPECT_EQ(mp3.commandLine.find(" -an "), std::string::npos);

    // The streams each output is to hold, for the check of the finished file.
    const BuildResult gif = BuildCommandLine(ChoicesFor(35), Job(kInput, "gif"));
    const BuildResult plain = BuildCommandLine(ChoicesFor(0), Job(kInput, "mp4"));
    EXPECT_EQ((std::vector<bool>{video.keepsVideo, video.keepsAudio, mp3.keepsVideo, mp3.keepsAudio, gif.keepsVideo,
                                 gif.keepsAudio, plain.keepsVideo, plain.keepsAudio}),
              (std::vector<bool>{true, false, false, true, true, false, true, true}));
}

TEST_F(Builder, AudioOnlyOutputsGetNoLetterbox)
{
    ConversionChoices choices = ChoicesFor(0);
    ASSERT_EQ(choices.letterBoxIndex, 1);
    EXPECT_NE(BuildCommandLine(choices, Job(kInput, "mp3", "640 x 352")).commandLine.find(" -s 320x240 \""),
              std::string::npos);
    EXPECT_NE(BuildCommandLine(choices, Job(kInput, "mp4", "640 x 352")).commandLine.find(
                  " -s 320x176 -padtop 32 -padbottom 32 \""),
              std::string::npos);
}

TEST_F(Builder, LetterboxErrorFallsBackToThePlainSize)
{
    ConversionChoices choices = ChoicesFor(26);
    choices.videoSize = "320 x 241";
    EXPECT_NE(BuildCommandLine(choices, Job(kInput, "avi", "640 x 352")).commandLine.find(" -s 320x241 \""),
              std::string::npos);
}

TEST_F(Builder, PspAvcTitleOfANameWithoutAnExtensionIsTheWholeName)
{
    const ConversionChoices choices = ChoicesFor(13);
    const struct {
        const char* input;
        const char* title;
    } table[] = {{"/videos/movie.", "movie."}, {"/videos/plain", "plain"}, {"/videos/a.b.avi", "a.b"}};
    for (const auto& row : table) {
        const BuildResult result = BuildCommandLine(choices, Job(row.input, "mp4"));
        EXPECT_NE(result.commandLine.find(" -bitexact -title \"" + std::string(row.title) + "\" -vcodec"),
                  std::string::npos)
            << result.commandLine;
    }
}

TEST_F(Builder, OnlyAnEncoderFolderHoldingADoubleQuoteIsRefused)
{
    const std::string missing = Out("to be created");
    ConversionChoices choices = ChoicesFor(12);
    choices.outputDir = missing;
    choices.appDir = "/opt/\"v\"/";
    const BuildResult result = BuildCommandLine(choices, Job(kInput, "mp4"));
    EXPECT_EQ(result.status, BuildResult::Status::UnsafePath);
    EXPECT_EQ(result.error, std::string(kQuotedPathError) + "/opt/\"v\"/");
    EXPECT_EQ(result.commandLine, "");
    EXPECT_FALSE(fs::exists(missing));
}

// No name can add, remove or change an argument: splitting each line gives
// back exactly the input, the output, the title and the thumbnail, and as
// many arguments as an ordinary name gives.
TEST(HostileNames, RoundTripThroughTheCommandLine)
{
    const BuilderDisk disk{false, {}};
    const std::string names[] = {
        "a b -vn c.x\\", "say \"hi\".avi", "\\\"\\\\\".avi", "-vn.avi", " lead and trail .avi ", "two\nlines\r.avi",
        "100% %s%n.avi", "\xff\xfe bytes.avi", "tab\there.avi", "ends in a quote\"", "back\\slash\\\\.avi", "song.mp3 ",
    };
    for (const std::string folder : {"/srv/out", "/srv/out\\", "/srv/o\"ut"}) {
        for (const bool alt : {false, true}) {
            for (const int format : {0, 13, 23}) {
                ConversionChoices choices = ExampleChoices();
                choices.outputDir = folder;
                choices.formatIndex = format;
                choices.profileFamily = format == 13 ? kPspFamily : "";
                const auto ordinary = platform::SplitCommandLine(
                    BuildCommandLine(choices, {"/in/plain.avi", "0 x 0", "mp4", {alt, false}}, disk).commandLine);
                for (const std::string& name : names) {
                    const std::string input = "/in dir/" + name;
                    const BuildResult built = BuildCommandLine(choices, {input, "0 x 0", "mp4", {alt, false}}, disk);
                    const auto args = platform::SplitCommandLine(built.commandLine);
                    ASSERT_EQ(args.size(), ordinary.size()) << built.commandLine;
                    const auto at = std::find(args.begin(), args.end(), "-i");
                    ASSERT_NE(at, args.end());
                    EXPECT_EQ(*(at + 1), (alt ? "DS:\\\\" : "") + input) << built.commandLine;
                    EXPECT_EQ(args.back(), built.outputPath);
                    EXPECT_EQ(built.outputPath, folder + "/" + BaseNameOf(name) + ".mp4");
                    if (format == 13) {
                        EXPECT_EQ(*(std::find(args.begin(), args.end(), "-title") + 1), PspTitleOf(name));
                    }
                    const auto renamed = WithOutputPath(built.commandLine, built.outputPath, folder + "/." + name);
                    ASSERT_TRUE(renamed);
                    EXPECT_EQ(platform::SplitCommandLine(*renamed).back(), folder + "/." + name);
                    const BuildResult thumb = BuildThumbnailCommandLine(choices, {input, "0 x 0", "mp4", {}}, built.outputPath,
                                                                         disk);
                    EXPECT_EQ(platform::SplitCommandLine(thumb.commandLine).back(),
                              folder + "/" + BaseNameOf(name) + ".THM");
                }
            }
        }
    }
}

TEST_F(Builder, ASeparatorIndexBuildsNoLine)
{
    ConversionChoices choices = ChoicesFor(0);
    choices.formatIndex = 7;
    const BuildResult result = BuildCommandLine(choices, Job(kInput, "mp4"));
    EXPECT_EQ(result.status, BuildResult::Status::NoAssembly);
    EXPECT_EQ(result.commandLine, "");
    EXPECT_EQ(result.outputPath, Out("holiday.mp4"));
}

TEST_F(Builder, ADryRunCreatesNoDirectoryAndCountsPlannedOutputs)
{
    const std::string missing = Out("later");
    const BuilderDisk dry{false, [&](const std::string& path) { return path == missing + "/holiday.mp4"; }};
    ConversionChoices choices = ChoicesFor(0);
    choices.outputDir = missing;
    EXPECT_EQ(BuildCommandLine(choices, Job(kInput, "mp4"), dry).outputPath, missing + "/holiday-1.mp4");
    EXPECT_FALSE(fs::exists(missing));
}

TEST(AudioOnlyOutput, ByExtension)
{
    for (const char* ext : {"mp3", "mp2", "m4a", "wav", "ogg", "aac", "wma", "ra", "ac3", "flac", "opus"})
        EXPECT_TRUE(IsAudioOnlyOutput(ext)) << ext;
    for (const char* ext : {"mp4", "wmv", "3gp", "3g2", "avi", "mpg", "mov", "webm", "mkv", "gif", "MP3", ""})
        EXPECT_FALSE(IsAudioOnlyOutput(ext)) << ext;
}

} // namespace
