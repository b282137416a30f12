// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaExpectations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace encodertest {
namespace {

const char* IsoFamily = "mov,mp4,m4a,3gp,3g2,mj2";

bool BrandFits(const std::string& kind, const std::string& brand)
{
    static const std::map<std::string, std::set<std::string>> brands = {
        {"mp4", {"isom", "iso2", "mp41", "mp42"}},
        {"psp", {"MSNV"}},
        {"m4a", {"M4A "}},
        {"mov", {"qt  "}},
        {"3gp", {"3gp4", "3gp5", "3gp6"}},
        {"3g2", {"3g2a"}},
    };
    const auto found = brands.find(kind);
    return found != brands.end() && found->second.count(brand);
}

} // namespace

ExpectMedia::ExpectMedia(const std::filesystem::path& path) : path_(path), name_(path.string())
{
    try {
        info_ = fixtures::ReadMedia(path);
        readable_ = true;
    } catch (const std::exception& problem) {
        ADD_FAILURE() << name_ << " cannot be read: " << problem.what();
    }
}

ExpectMedia& ExpectMedia::container(const std::string& kind)
{
    if (!readable_)
        return *this;
    if (info_.container == IsoFamily) {
        EXPECT_TRUE(BrandFits(kind, info_.brand)) << name_ << " has the brand '" << info_.brand << "', not that of "
                                                  << kind;
    } else {
        EXPECT_EQ(info_.container, kind) << name_;
    }
    return *this;
}

ExpectMedia& ExpectMedia::video(const std::string& codec, int width, int height)
{
    if (!readable_)
        return *this;
    const fixtures::StreamInfo* stream = info_.video();
    if (!stream) {
        ADD_FAILURE() << name_ << " holds no video";
        return *this;
    }
    EXPECT_EQ(stream->codec, codec) << name_;
    EXPECT_EQ(stream->width, width) << name_;
    EXPECT_EQ(stream->height, height) << name_;
    return *this;
}

ExpectMedia& ExpectMedia::frameRate(double framesPerSecond)
{
    if (readable_ && info_.video()) {
        EXPECT_NEAR(info_.video()->frameRate, framesPerSecond, 0.01) << name_;
    }
    return *this;
}

ExpectMedia& ExpectMedia::videoPackets(int64_t count)
{
    if (readable_ && info_.video()) {
        EXPECT_EQ(info_.video()->packets, count) << name_;
    }
    return *this;
}

ExpectMedia& ExpectMedia::noVideo()
{
    if (readable_) {
        EXPECT_EQ(info_.video(), nullptr) << name_ << " holds video";
    }
    return *this;
}

ExpectMedia& ExpectMedia::audio(const std::string& codec, int sampleRate, int channels)
{
    if (!readable_)
        return *this;
    const fixtures::StreamInfo* stream = info_.audio();
    if (!stream) {
        ADD_FAILURE() << name_ << " holds no audio";
        return *this;
    }
    EXPECT_EQ(stream->codec, codec) << name_;
    EXPECT_EQ(stream->sampleRate, sampleRate) << name_;
    EXPECT_EQ(stream->channels, channels) << name_;
    return *this;
}

ExpectMedia& ExpectMedia::noAudio()
{
    if (readable_) {
        EXPECT_EQ(info_.audio(), nullptr) << name_ << " holds audio";
    }
    return *this;
}

ExpectMedia& ExpectMedia::lasts(double seconds, double tolerance)
{
    if (readable_) {
        EXPECT_NEAR(info_.duration, seconds, tolerance) << name_;
    }
    return *this;
}

ExpectMedia& ExpectMedia::title(const std::string& title)
{
    if (readable_) {
        EXPECT_EQ(info_.title, title) << name_;
    }
    return *this;
}

ExpectMedia& ExpectMedia::chapters(int count)
{
    if (readable_) {
        EXPECT_EQ(info_.chapters, count) << name_;
    }
    return *this;
}

ExpectMedia& ExpectMedia::noSubtitles()
{
    if (readable_) {
        for (const fixtures::StreamInfo& stream : info_.streams)
            EXPECT_NE(stream.type, "subtitle") << name_ << " holds subtitles";
    }
    return *this;
}

ExpectMedia& ExpectMedia::sameSoundAs(const std::filesystem::path& source)
{
    if (!readable_)
        return *this;
    const fixtures::DecodedSound ours = fixtures::DecodeSound(path_);
    const fixtures::DecodedSound theirs = fixtures::DecodeSound(source);
    EXPECT_FALSE(theirs.samples.empty()) << source << " holds no sound";
    EXPECT_EQ(ours.sampleFormat, theirs.sampleFormat) << name_;
    EXPECT_EQ(ours.channels, theirs.channels) << name_;
    EXPECT_EQ(ours.samples.size(), theirs.samples.size()) << name_;
    EXPECT_TRUE(ours.samples == theirs.samples) << name_ << " does not decode to the samples of " << source;
    return *this;
}

ExpectMedia& ExpectMedia::loopsForever()
{
    // The application extension "NETSCAPE2.0" holds the loop count; 0 is
    // for ever.
    std::ifstream file(path_, std::ios::binary);
    const std::string bytes {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const auto at = bytes.find("NETSCAPE2.0");
    if (at == std::string::npos) {
        ADD_FAILURE() << name_ << " has no loop count";
        return *this;
    }
    EXPECT_EQ(bytes.substr(at + 11, 4), std::string("\x03\x01\x00\x00", 4)) << name_;
    return *this;
}

ExpectMedia& ExpectMedia::streams(const OutputStreams& expected)
{
    container(expected.container);
    if (*expected.videoCodec)
        video(expected.videoCodec, expected.width, expected.height).frameRate(expected.frameRate);
    else
        noVideo();
    if (*expected.audioCodec)
        audio(expected.audioCodec, expected.sampleRate, expected.channels);
    else
        noAudio();
    return *this;
}

} // namespace encodertest
