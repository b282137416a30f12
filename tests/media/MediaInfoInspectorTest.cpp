// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "media/MediaInfoInspector.h"
#include "media/compat/MediaInfoComponent.h"

#include <QObject>
#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

struct Events {
    std::vector<std::pair<std::string, QObject*>> raised;

    void bind(MediaInfoComponent& info)
    {
        info.onStart = [this](QObject* sender) { raised.emplace_back("start", sender); };
        info.onFinish = [this](QObject* sender) { raised.emplace_back("finish", sender); };
        info.onError = [this](QObject* sender) { raised.emplace_back("error", sender); };
    }
};

// A copy of an MPEG-4 AVI whose headers name another compression code and
// claim another frame height, so that no decoder corrects them.
std::string PatchedAvi(const std::string& source, const std::string& name, const char (&code)[5], std::int32_t height)
{
    std::ifstream in(source, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto at = bytes.find("FMP4"); at != std::string::npos; at = bytes.find("FMP4", at))
        bytes.replace(at, 4, code, 4);
    const auto strf = bytes.find("strf");
    std::memcpy(&bytes[strf + 8 + 8], &height, sizeof height);
    const auto path = clips::Folder().path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

class VideoInfo : public ::testing::Test {
protected:
    void inspect(const std::string& file)
    {
        info.setFileName(file);
        info.inspect();
    }

    QObject owner;
    // The component with its events, as the contract publishes it.
    MediaInfoComponent& info = *new MediaInfoComponent(&owner);
    Events events;
};

TEST_F(VideoInfo, DescribesAnAviWithVideoAndSound)
{
    events.bind(info);
    inspect(clips::NinetySecondAvi());
    const VideoStreamInfo& video = info.video();
    EXPECT_EQ(video.width, 640);
    EXPECT_EQ(video.height, 352);
    EXPECT_DOUBLE_EQ(video.frameRate, 25.0);
    EXPECT_EQ(video.duration, "01:30");
    const fixtures::MediaInfo written = fixtures::ReadMedia(clips::NinetySecondAvi());
    ASSERT_NE(written.video(), nullptr);
    // The container's own length may count one frame more than it holds.
    EXPECT_NEAR(video.frameCount, written.video()->packets, 1);
    EXPECT_EQ(video.frameCount, std::lround(std::stod(video.durationMs) / 40.0));
    EXPECT_EQ(video.fourCC, "FMP4");
    EXPECT_EQ(video.codec, "FFmpeg MPEG-4");
    EXPECT_EQ(video.aspectRatioText, "1.8182");
    EXPECT_EQ(video.aspectX, -1);
    EXPECT_GT(video.bitRate, 0.0);
    EXPECT_EQ(info.fileFormat(), "AVI");
    EXPECT_EQ(info.videoMajorType(), "Video");
    EXPECT_EQ(info.audioMajorType(), "Audio");
    ASSERT_EQ(info.audioStreamCount(), 1);
    const AudioStreamInfo& audio = info.audioStream(0);
    EXPECT_EQ(audio.formatName, "MPEG-1 Layer 3 (MP3)");
    EXPECT_EQ(audio.sampleRate, "44100");
    EXPECT_EQ(audio.channels, "2");
    EXPECT_EQ(audio.duration.substr(0, 4), "01:3");
    EXPECT_EQ(info.otherSubType(), "UnKnown ");
    EXPECT_EQ(events.raised, (std::vector<std::pair<std::string, QObject*>>{{"start", &owner}, {"finish", &owner}}));
}

TEST_F(VideoInfo, AspectByFrameSize)
{
    const struct {
        int width, height;
        const char* text;
        int x, y;
    } cases[] = {
        {640, 480, "4:3", 4, 3},
        {720, 576, "1.25", -1, -1},
        {1280, 720, "1.7778", -1, -1},
    };
    for (const auto& item : cases) {
        const std::string name = std::to_string(item.width) + "x" + std::to_string(item.height) + ".avi";
        inspect(clips::Clip(name, clips::SilentAvi(item.width, item.height, {25, 1}, 0.2)));
        EXPECT_EQ(info.video().aspectRatioText, item.text) << name;
        EXPECT_EQ(info.video().aspectX, item.x) << name;
        EXPECT_EQ(info.video().aspectY, item.y) << name;
        EXPECT_DOUBLE_EQ(info.video().aspectRatio, double(item.width) / item.height) << name;
    }
}

TEST_F(VideoInfo, FrameRatesWithFractions)
{
    const struct {
        AVRational rate;
        double expected;
    } cases[] = {{{30000, 1001}, 29.97}, {{24000, 1001}, 23.976}, {{25, 2}, 12.5}};
    for (const auto& item : cases) {
        const std::string name = "rate" + std::to_string(item.rate.num) + ".avi";
        inspect(clips::Clip(name, clips::SilentAvi(160, 120, item.rate, 1)));
        EXPECT_NEAR(info.video().frameRate, item.expected, 0.001) << name;
    }
}

TEST_F(VideoInfo, AnAudioOnlyFileHasNoPictureAndOneEntryPerAudioStream)
{
    inspect(clips::Mp3());
    EXPECT_EQ(info.video().width, 0);
    EXPECT_EQ(info.video().height, 0);
    EXPECT_EQ(info.video().duration, "0");
    ASSERT_EQ(info.audioStreamCount(), 1);
    EXPECT_EQ(info.audioStream(0).formatName, "MPEG-1 Layer 3 (MP3)");
    EXPECT_EQ(info.audioStream(0).duration, "00:07");
    EXPECT_EQ(info.audioMajorType(), "Audio");
}

TEST_F(VideoInfo, AWaveFileNamesItsPcmFormat)
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("wav");
    clipSettings.seconds = 1;
    inspect(clips::Clip("tone.wav", clipSettings));
    ASSERT_EQ(info.audioStreamCount(), 1);
    const AudioStreamInfo& audio = info.audioStream(0);
    EXPECT_EQ(audio.formatName, "Microsoft PCM Format");
    EXPECT_EQ(audio.bitsPerSample, "16");
    EXPECT_EQ(audio.sampleBitRate, "7056");
    EXPECT_EQ(audio.duration, "00:01");
    EXPECT_EQ(info.audioSubType(), "PCM");
}

TEST_F(VideoInfo, AMissingFileLeavesNothingOfThePreviousFile)
{
    events.bind(info);
    inspect(clips::NinetySecondAvi());
    inspect((clips::Folder().path() / "missing.avi").string());
    EXPECT_EQ(info.videoMajorType(), "FILE NOT FOUND");
    EXPECT_EQ(info.video().width, 0);
    EXPECT_EQ(info.video().duration, "0");
    EXPECT_EQ(info.video().codec, "");
    EXPECT_EQ(info.fileFormat(), "");
    EXPECT_EQ(info.audioMajorType(), "");
    EXPECT_EQ(info.audioStreamCount(), 0);
    EXPECT_EQ(events.raised.back(), (std::pair<std::string, QObject*>{"finish", &owner}));
    // Nor does the next file keep anything of the missing one.
    inspect(clips::Mp3());
    EXPECT_EQ(info.videoMajorType(), "");
    EXPECT_EQ(info.audioMajorType(), "Audio");
}

TEST_F(VideoInfo, AFileTheLibrariesCannotOpenIsAnError)
{
    events.bind(info);
    inspect(clips::NinetySecondAvi());
    inspect(clips::Folder().write("notes.bin", "no pictures in here\n").string());
    EXPECT_EQ(info.videoMajorType(), "ERROR");
    EXPECT_EQ(info.video().width, 0);
    EXPECT_EQ(info.video().height, 0);
    EXPECT_EQ(info.video().duration, "0");
    EXPECT_EQ(events.raised.back().first, "finish");
}

TEST_F(VideoInfo, TheContainerNameComesFromTheExtension)
{
    const auto copy = clips::Folder().path() / "copy.Mkv";
    std::filesystem::copy_file(clips::NinetySecondAvi(), copy, std::filesystem::copy_options::overwrite_existing);
    inspect(copy.string());
    EXPECT_EQ(info.fileFormat(), "Matroska");
    const auto other = clips::Folder().path() / "copy.flv";
    std::filesystem::copy_file(clips::NinetySecondAvi(), other, std::filesystem::copy_options::overwrite_existing);
    inspect(other.string());
    EXPECT_EQ(info.fileFormat(), "");
}

TEST_F(VideoInfo, ACodeWithoutDecoderIsNamedFromTheTable)
{
    const std::string source = clips::Clip("small.avi", clips::SilentAvi(320, 240, {25, 1}, 0.2));
    inspect(PatchedAvi(source, "xiwave.avi", "XWV3", 240));
    EXPECT_EQ(info.video().fourCC, "XWV3");
    EXPECT_EQ(info.video().codec, "XiWave Video");
    EXPECT_EQ(info.otherSubType(), "UnKnown ");
    EXPECT_EQ(info.videoSubType(), "");
}

TEST_F(VideoInfo, AFrameWithoutHeightEndsTheInspectionWithAnError)
{
    events.bind(info);
    const std::string source = clips::Clip("small.avi", clips::SilentAvi(320, 240, {25, 1}, 0.2));
    inspect(PatchedAvi(source, "flat.avi", "XWV3", 0));
    EXPECT_EQ(info.video().width, 320);
    EXPECT_EQ(info.video().height, 0);
    EXPECT_EQ(events.raised, (std::vector<std::pair<std::string, QObject*>>{{"start", &owner}, {"error", &owner}}));
}

TEST(MediaInfoComponent, InspectsAsTheInspectorAndKeepsItsListsEmpty)
{
    MediaInfoComponent component(nullptr);
    component.setFileName(clips::NinetySecondAvi());
    component.inspect();
    EXPECT_EQ(component.video().width, 640);
    EXPECT_TRUE(component.audioCodecs().empty() && component.videoCaptureDevices().empty()
                && component.tvTuners().empty() && component.dvdInfo().titles.empty());
}

} // namespace
