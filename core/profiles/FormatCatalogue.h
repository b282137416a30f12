#pragma once
// The output-format list: 30 rows in a fixed order, five of them separators.
// The index is what the settings file stores and what the command line
// switches on; the tag is what the file list's Output column shows.
#include <string>

inline constexpr int kFormatCount = 30;

// The row's text as the format list shows it.
const std::string& FormatText(int index);

// "MP4", "WMV", ...; empty for separators and indexes outside the list.
const std::string& FormatTag(int index);

bool IsSeparatorRow(int index);
