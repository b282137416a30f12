// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The codecs today's formats offer: the text their lists show, the name the
// encoder takes, and for the video codecs the constant-quality factor sent
// with "Auto (constant quality)" and the speed preset sent with every job.
#include <string>

struct NewerCodec {
    const char* text;        // the list entry
    const char* encoderName; // what -vcodec or -acodec receives
    const char* quality;     // -crf with "Auto (constant quality)"; empty: none
    const char* preset;      // -preset; empty: none
    bool twoPass = false;    // a fit to a size runs it twice, on its own statistics
};

namespace codecs {
inline constexpr NewerCodec kH264{"H.264", "h264", "23", "medium", true};
inline constexpr NewerCodec kH265{"H.265 (HEVC)", "h265", "28", "medium", true};
inline constexpr NewerCodec kAv1{"AV1", "av1", "35", "8"};
// Speed 4 of 0 to 8 keeps a VP9 job near the time of an H.264 one.
inline constexpr NewerCodec kVp9{"VP9", "vp9", "32", "4", true};
inline constexpr NewerCodec kGif{"GIF", "gif", "", ""};
inline constexpr NewerCodec kAac{"AAC", "aac", "", ""};
inline constexpr NewerCodec kOpus{"Opus", "opus", "", ""};
inline constexpr NewerCodec kVorbis{"Vorbis", "vorbis", "", ""};
inline constexpr NewerCodec kFlac{"FLAC", "flac", "", ""};
inline constexpr NewerCodec kPcm16{"PCM 16-bit", "pcm_s16le", "", ""};
} // namespace codecs

// The codec whose list text is `text` once trimmed, or nullptr.
const NewerCodec* NewerCodecFor(const std::string& text);
