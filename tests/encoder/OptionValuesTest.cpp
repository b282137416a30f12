// SPDX-License-Identifier: GPL-3.0-or-later
// The values the application's lists can produce, including those a codec
// cannot take as they are, run through the real encoder.
#include "Clips.h"
#include "EncoderProcess.h"
#include "MediaExpectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace encodertest {
namespace {

namespace fs = std::filesystem;

EncoderRun Convert(const fs::path& input, std::vector<std::string> options, const fs::path& output)
{
    std::vector<std::string> arguments = {"-@", "-y", "-i", input.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(output.string());
    return RunEncoder(arguments);
}

std::string Contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The loudest 16-bit sample of a PCM WAV file, from 0 to 1.
double PeakOfWave(const fs::path& path)
{
    const std::string bytes = Contents(path);
    const auto data = bytes.find("data");
    if (data == std::string::npos)
        return -1;
    int peak = 0;
    for (size_t i = data + 8; i + 1 < bytes.size(); i += 2) {
        int16_t sample = 0;
        std::memcpy(&sample, bytes.data() + i, 2);
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak / 32768.0;
}

struct RateCase {
    const char* name;
    const char* codec;
    const char* extension;
    const char* sampleRate;
    const char* audioCodec;  // as read back
    int expected;
};

class SampleRate : public ::testing::TestWithParam<RateCase> {};

TEST_P(SampleRate, BecomesTheNearestTheCodecTakes)
{
    const RateCase& c = GetParam();
    const auto output = OutputFolder(std::string("rate-") + c.name) / (std::string("out.") + c.extension);
    std::vector<std::string> options = {"-acodec", c.codec, "-ar", c.sampleRate, "-ac", "2 (stereo)"};
    if (std::string(c.extension) == "wma")
        options.insert(options.end(), {"-f", "xwmv"});

    const EncoderRun run = Convert(Clip("wav"), options, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    const int channels = std::string(c.codec) == "amr_nb" ? 1 : 2;
    ExpectMedia(output).audio(c.audioCodec, c.expected, channels).lasts(ClipSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, SampleRate,
    ::testing::Values(RateCase{"Aac54000", "mpeg4aac", "m4a", "54000", "aac", 48000},
                      RateCase{"Aac96000", "mpeg4aac", "m4a", "96000", "aac", 96000},
                      RateCase{"Wma54000", "wma7x", "wma", "54000", "wmav2", 48000},
                      RateCase{"Wma96000", "wma7x", "wma", "96000", "wmav2", 48000},
                      RateCase{"AmrNb16000", "amr_nb", "3gp", "16000", "amr_nb", 8000},
                      RateCase{"AmrNbWithTheListsBlank", "amr_nb", "3gp", "8000 ", "amr_nb", 8000},
                      RateCase{"Mp2At11025", "mp2", "mpg", "11025", "mp2", 16000},
                      RateCase{"Ac3At22050", "ac3", "avi", "22050", "ac3", 32000},
                      RateCase{"Mp3At48000", "mp3", "mp3", "48000", "mp3", 48000},
                      RateCase{"PcmAt12000", "pcm_s16le", "avi", "12000", "pcm_s16le", 12000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncoderOptions, EmptyValuesMeanTheCodecDefault)
{
    const auto output = OutputFolder("empty-values") / "out.mp4";

    const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "mpeg4", "-b", "", "-acodec", "mpeg4aac", "-ab", "", "-ar",
                                                 "", "-s", "320x240"},
                                   output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).video("mpeg4", 320, 240).audio("aac", 44100, 2);
}

struct H263Case {
    const char* size;
    int width;
    int height;
};

class H263Size : public ::testing::TestWithParam<H263Case> {};

TEST_P(H263Size, IsWrittenAsH263)
{
    const H263Case& c = GetParam();
    const auto output = OutputFolder(std::string("h263-") + c.size) / "out.3gp";

    const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "h263", "-b", "128", "-acodec", "amr_nb", "-s", c.size},
                                   output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).container("3gp").video("h263", c.width, c.height).lasts(ClipSeconds);
}

// The five sizes of plain H.263, and the other sizes of the 3GP list, which
// H.263 version 2 codes as custom picture formats.
INSTANTIATE_TEST_SUITE_P(Sizes, H263Size,
                         ::testing::Values(H263Case{"128x96", 128, 96}, H263Case{"176x144", 176, 144},
                                           H263Case{"352x288", 352, 288}, H263Case{"704x576", 704, 576},
                                           H263Case{"160x120", 160, 120}, H263Case{"208x176", 208, 176},
                                           H263Case{"220x176", 220, 176}, H263Case{"320x240", 320, 240}),
                         [](const auto& info) { return std::string(info.param.size); });

TEST(EncoderOptions, AnOddSizeBecomesTheEvenSizeBelowIt)
{
    const auto output = OutputFolder("odd-size") / "out.mp4";

    const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "h264", "-s", "321x241"}, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).video("h264", 320, 240);
}

TEST(EncoderOptions, AnOddSourceKeepsItsSizeLessTheOddPixel)
{
    const auto folder = OutputFolder("odd-source");
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
    clipSettings.videoCodec = "rawvideo";
    clipSettings.width = 321;
    clipSettings.height = 241;
    clipSettings.seconds = 1;
    fixtures::MakeClip(folder / "odd.avi", clipSettings);

    const EncoderRun run = Convert(folder / "odd.avi", {"-vcodec", "mpeg4"}, folder / "out.mp4");

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(folder / "out.mp4").video("mpeg4", 320, 240).lasts(1);
}

TEST(EncoderOptions, BarsMakeTheFrameTheRequestedSize)
{
    const auto output = OutputFolder("bars") / "out.avi";

    const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "xvid", "-s", "300x240", "-padleft", "10", "-padright",
                                                 "10"},
                                   output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).container("avi").video("mpeg4", 320, 240);
}

struct RateTextCase {
    const char* text;
    double framesPerSecond;
};

class FrameRateText : public ::testing::TestWithParam<RateTextCase> {};

TEST_P(FrameRateText, GivesTheRateOfTheList)
{
    const auto output = OutputFolder(std::string("fps-") + GetParam().text) / "out.mp4";

    const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "mpeg4", "-r", GetParam().text, "-s", "320x240"}, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).frameRate(GetParam().framesPerSecond).lasts(ClipSeconds);
}

INSTANTIATE_TEST_SUITE_P(Rates, FrameRateText,
                         ::testing::Values(RateTextCase{"14.985", 15000.0 / 1001}, RateTextCase{"23.975", 24000.0 / 1001},
                                           RateTextCase{"29.97", 30000.0 / 1001}, RateTextCase{"11", 11},
                                           RateTextCase{"15.0", 15}, RateTextCase{"30.0", 30}),
                         [](const auto& info) {
                             std::string name = info.param.text;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(EncoderOptions, VolumeFactorScalesTheSoundByFiftieths)
{
    const auto folder = OutputFolder("volume");
    const auto level = [&](const std::string& factor) {
        const auto output = folder / ("factor-" + factor + ".wav");
        const EncoderRun run = Convert(Clip("wav"), {"-acodec", "pcm_s16le", "-vol_factor", factor}, output);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        return PeakOfWave(output);
    };

    const double unchanged = level("50");
    EXPECT_NEAR(unchanged, 0.5, 0.02);
    EXPECT_NEAR(level("20") / unchanged, 0.4, 0.02);
    EXPECT_NEAR(level("5") / unchanged, 0.1, 0.02);
}

TEST(EncoderOptions, StartTimeAndFrameLimitTakeOnePictureFromThreeSecondsOn)
{
    const auto output = OutputFolder("ss-vframes") / "out.THM";

    const EncoderRun run = Convert(Clip("matroska"), {"-f", "singlejpeg", "-ss", "3", "-vframes", "1", "-an"}, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).video("mjpeg", 640, 352).videoPackets(1);
    EXPECT_NE(run.output.find("frame=1 "), std::string::npos);
}

TEST(EncoderOptions, ThumbnailOfAClipShorterThanTheStartTimeIsItsLastPicture)
{
    const auto folder = OutputFolder("short-thumbnail");
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
    clipSettings.seconds = 1.5;
    fixtures::MakeClip(folder / "short.avi", clipSettings);

    const EncoderRun run = Convert(folder / "short.avi",
                                   {"-f", "singlejpeg", "-ss", "3", "-vframes", "1", "-s", "320x240", "-an"},
                                   folder / "short.THM");

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(folder / "short.THM").video("mjpeg", 320, 240).videoPackets(1);
}

TEST(EncoderOptions, FrameLimitCountsOutputFrames)
{
    const auto output = OutputFolder("vframes") / "out.avi";

    const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "mpeg4", "-vframes", "12", "-an"}, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia(output).videoPackets(12).noAudio();
}

TEST(EncoderOptions, TitleBecomesTheTitleTag)
{
    const auto folder = OutputFolder("title");

    const EncoderRun mp4 = Convert(Clip("avi"), {"-title", "Summer holiday", "-s", "320x240"}, folder / "out.mp4");
    const EncoderRun psp = Convert(Clip("avi"), {"-title", "Summer holiday", "-vcodec", "h264", "-s", "320x240", "-f",
                                                 "psp"},
                                   folder / "psp.mp4");

    ASSERT_EQ(mp4.exitCode, 0) << mp4.output;
    ASSERT_EQ(psp.exitCode, 0) << psp.output;
    ExpectMedia(folder / "out.mp4").title("Summer holiday");
    // The PSP keeps its title in a box of its own, in UTF-16.
    const std::string utf16 = {0, 'S', 0, 'u', 0, 'm', 0, 'm', 0, 'e', 0, 'r'};
    EXPECT_NE(Contents(folder / "psp.mp4").find(utf16), std::string::npos);
    ExpectMedia(folder / "psp.mp4").container("psp");
}

TEST(EncoderOptions, Id3SwitchesWriteTheTags)
{
    const auto folder = OutputFolder("id3");
    ASSERT_EQ(Convert(Clip("wav"), {"-id3v1", "-id3v2", "-title", "Song", "-acodec", "mp3"}, folder / "tagged.mp3").exitCode, 0);
    ASSERT_EQ(Convert(Clip("wav"), {"-acodec", "mp3"}, folder / "plain.mp3").exitCode, 0);

    const std::string tagged = Contents(folder / "tagged.mp3");
    const std::string plain = Contents(folder / "plain.mp3");
    EXPECT_EQ(tagged.substr(0, 3), "ID3");
    EXPECT_EQ(tagged.substr(tagged.size() - 128, 3), "TAG");
    EXPECT_NE(plain.substr(0, 3), "ID3");
    EXPECT_NE(plain.substr(plain.size() - 128, 3), "TAG");
}

TEST(EncoderOptions, CoderChoosesBetweenCabacAndCavlc)
{
    const auto folder = OutputFolder("coder");
    ASSERT_EQ(Convert(Clip("avi"), {"-vcodec", "h264", "-coder", "1", "-s", "320x240"}, folder / "cabac.mp4").exitCode, 0);
    ASSERT_EQ(Convert(Clip("avi"), {"-vcodec", "h264", "-coder", "0", "-s", "320x240"}, folder / "cavlc.mp4").exitCode, 0);

    EXPECT_NE(Contents(folder / "cabac.mp4").find("cabac=1"), std::string::npos);
    EXPECT_NE(Contents(folder / "cavlc.mp4").find("cabac=0"), std::string::npos);
}

TEST(EncoderOptions, GopSizeSetsTheKeyFrameInterval)
{
    const auto folder = OutputFolder("gop");
    const auto keyFrames = [&](const std::string& gop) {
        const auto output = folder / ("gop-" + gop + ".avi");
        const EncoderRun run = Convert(Clip("avi"), {"-vcodec", "mpeg4", "-g", gop, "-an"}, output);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        const fixtures::MediaInfo info = fixtures::ReadMedia(output);
        return info.video() ? info.video()->keyPackets : -1;
    };

    // 100 pictures: a key frame at least every 10, or about every 50.
    EXPECT_GE(keyFrames("10"), 10);
    EXPECT_LE(keyFrames("50"), 4);
}

struct BitrateCase {
    const char* codec;
    const char* extension;
};

class VideoBitrate : public ::testing::TestWithParam<BitrateCase> {};

TEST_P(VideoBitrate, IsRoughlyHonoured)
{
    const auto output = OutputFolder(std::string("bitrate-") + GetParam().codec) / (std::string("out.") + GetParam().extension);

    const EncoderRun run = Convert(Clip("matroska"), {"-vcodec", GetParam().codec, "-b", "1200", "-an"}, output);

    ASSERT_EQ(run.exitCode, 0) << run.output;
    ExpectMedia media(output);
    ASSERT_NE(media.info().video(), nullptr);
    // Rate control settles over a few seconds; a short clip lands near the target.
    const double bitsPerSecond = media.info().video()->bytes * 8 / ClipSeconds;
    EXPECT_GT(bitsPerSecond, 1200000 * 0.5);
    EXPECT_LT(bitsPerSecond, 1200000 * 1.5);
}

INSTANTIATE_TEST_SUITE_P(Codecs, VideoBitrate,
                         ::testing::Values(BitrateCase{"mpeg4", "mp4"}, BitrateCase{"h264", "mp4"},
                                           BitrateCase{"xvid", "avi"}, BitrateCase{"wmv2x", "wmv"},
                                           BitrateCase{"h263", "3gp"}),
                         [](const auto& info) { return std::string(info.param.codec); });

TEST(EncoderOptions, AudioFilesDropThePictureWithoutBeingAsked)
{
    const auto folder = OutputFolder("audio-only");
    for (const std::string name : {"out.aac", "out.wav", "out.mp3", "out.m4a"}) {
        const EncoderRun run = Convert(Clip("avi"), {}, folder / name);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        ExpectMedia(folder / name).noVideo().lasts(ClipSeconds);
    }
}

TEST(EncoderOptions, AlternativeReaderAndForcedQuickTimeReaderConvert)
{
    const auto folder = OutputFolder("readers");
    const EncoderRun alternative = RunEncoder({"-@", "-y", "-i", "DS:\\\\" + Clip("mp4").string(), "-s", "320x240",
                                               (folder / "alternative.mp4").string()});
    const EncoderRun quickTime = RunEncoder({"-@", "-y", "-f", "qt", "-i", Clip("mov").string(), "-s", "320x240",
                                             (folder / "quicktime.mp4").string()});

    EXPECT_EQ(alternative.exitCode, 0) << alternative.output;
    EXPECT_EQ(quickTime.exitCode, 0) << quickTime.output;
    ExpectMedia(folder / "alternative.mp4").video("h264", 320, 240).lasts(ClipSeconds);
    ExpectMedia(folder / "quicktime.mp4").video("h264", 320, 240).lasts(ClipSeconds);
}

} // namespace
} // namespace encodertest
