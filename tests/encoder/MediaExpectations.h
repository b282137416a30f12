// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Domain assertions on a media file, read through libavformat:
//   ExpectMedia(path).container("mp4").video("mpeg4", 320, 240).frameRate(25)
//       .audio("aac", 44100, 2).lasts(4.0);
// (chapters, subtitles, the decoded sound and the GIF's looping likewise).
// Each check adds a test failure naming the file when it does not hold.
#include "support/MediaFixtures.h"

#include <filesystem>
#include <string>

namespace encodertest {

// A format's output as a table row states it.
struct OutputStreams {
    const char* container;
    const char* videoCodec; // "" for none
    int width;
    int height;
    double frameRate;
    const char* audioCodec; // "" for none
    int sampleRate;
    int channels;
};

class ExpectMedia {
public:
    explicit ExpectMedia(const std::filesystem::path& path);

    // "mp4", "psp", "m4a", "mov", "3gp" (the ISO family, told apart by the
    // file's brand), else the demuxer's own name ("avi", "asf", "mpeg",
    // "aac", "mp3", "jpeg_pipe").
    ExpectMedia& container(const std::string& kind);
    ExpectMedia& video(const std::string& codec, int width, int height);
    ExpectMedia& frameRate(double framesPerSecond);
    ExpectMedia& videoPackets(int64_t count);
    ExpectMedia& noVideo();
    ExpectMedia& audio(const std::string& codec, int sampleRate, int channels);
    ExpectMedia& noAudio();
    // The container, and the video and audio streams or their absence.
    ExpectMedia& streams(const OutputStreams& expected);
    // The container's duration, within the tolerance.
    ExpectMedia& lasts(double seconds, double tolerance = 0.5);
    ExpectMedia& title(const std::string& title);
    ExpectMedia& chapters(int count);
    ExpectMedia& noSubtitles();
    // The decoded sound is the source's, sample for sample.
    ExpectMedia& sameSoundAs(const std::filesystem::path& source);
    // An animated GIF that plays over and over.
    ExpectMedia& loopsForever();

    bool readable() const { return readable_; }
    const fixtures::MediaInfo& info() const { return info_; }

private:
    std::filesystem::path path_;
    std::string name_;
    bool readable_ = false;
    fixtures::MediaInfo info_;
};

} // namespace encodertest
