// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows' option pieces as the application builds them (Original size,
// defaults), between the input and the output.

namespace encodertest {

inline constexpr const char* IPod = R"x( -vcodec "mpeg4"  -b "1500"  -acodec "mpeg4aac" -ab "64" -ar "44100" -ac "2 (stereo)")x";
inline constexpr const char* Avi = R"x( -vcodec "mpeg4"  -b "1200" -r "29.97"  -acodec "mp3" -ab "128" -ar "44100" -ac "2 (stereo)")x";
inline constexpr const char* Mp4 = R"x( -vcodec "h264" -crf "23" -preset "medium" -acodec "aac" -ab "160" -ac "2 (stereo)" -s keep -movflags +faststart -chapters -keepall)x";
inline constexpr const char* Mp4H265 = R"x( -vcodec "h265" -crf "28" -preset "medium" -acodec "aac" -ab "160" -ac "2 (stereo)" -s keep -movflags +faststart -chapters -keepall)x";
inline constexpr const char* Webm = R"x( -vcodec "vp9" -crf "32" -preset "4" -acodec "opus" -ab "128" -ac "2 (stereo)" -s keep -chapters -keepall)x";
inline constexpr const char* Mp4Copy = R"x( -vcodec "copy" -acodec "copy" -movflags +faststart -chapters)x";
inline constexpr const char* MkvCopy = R"x( -vcodec "copy" -acodec "copy" -chapters)x";
inline constexpr const char* Gif = R"x( -vcodec "gif" -r "12" -s 480x0 -fit -an)x";
inline constexpr const char* Flac = R"x( -acodec "flac" -vn -chapters)x";
inline constexpr const char* Mp3 = R"x( -id3v1 -id3v2 -acodec "mp3" -ab "192" -ar "48000" -ac "2 (stereo)")x";

} // namespace encodertest
