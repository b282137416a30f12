#pragma once
// The output-format list: 41 rows in a fixed order, seven of them separators.
// The index is what the settings file stores and what the command line
// switches on; the tag is what the file list's Output column shows, and in
// lower case the output file's extension.
#include <string>

inline constexpr int kFormatCount = 41;

// The rows after the first thirty: today's formats.
namespace formats {
inline constexpr int kFirstNewer = 30; // the separator that opens them
inline constexpr int kMp4Video = 31;
inline constexpr int kWebm = 32;
inline constexpr int kMp4Copy = 33;
inline constexpr int kMkvCopy = 34;
inline constexpr int kGif = 35;
inline constexpr int kFlac = 37;
inline constexpr int kOpus = 38;
inline constexpr int kOgg = 39;
inline constexpr int kWav = 40;
} // namespace formats

// The row's text as the format list shows it.
const std::string& FormatText(int index);

// "MP4", "WMV", ...; empty for separators and indexes outside the list.
const std::string& FormatTag(int index);

bool IsSeparatorRow(int index);

// The MP4 and WebM rows and the copies keep every sound track and the
// subtitles; the others keep one track.
bool KeepsEveryTrack(int index);
