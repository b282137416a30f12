// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Fit in size…" entries of the MP4 and WebM video bitrate lists: the
// output is to be at most a size, counted in MB of 1,000,000 bytes. The
// custom entry's size is a number kept in the settings file (or given to
// vantorel-cli), carried beside the choices.
#include <optional>
#include <string>
#include <vector>

inline constexpr long long kBytesPerMegabyte = 1000000;

// "Fit in 8 MB", "Fit in 10 MB", ..., "Fit in 500 MB", then the custom entry.
const std::vector<std::string>& FitSizeEntries();

// "Fit in custom size…"
const std::string& CustomFitEntry();

// A size as a person writes it: "25MB", "25 MB", "1.5GB", "800KB" (units
// of 1,000) or "25MiB", "800KiB", "2GiB" (units of 1,024); nothing for any
// other text, or for a size under one kilobyte.
std::optional<long long> ParseSizeLimit(const std::string& text);

// "42" or "12.5" MB as kept in the settings file, in bytes; 0 for any
// other text or a size not above 0.
long long MegabytesToBytes(const std::string& text);

// The limit in bytes that `entry` asks for: "Fit in 25 MB" gives
// 25,000,000; the custom entry gives `customBytes` (nothing when it is not
// above 0); nothing for any entry that is no fit.
std::optional<long long> FitLimitOf(const std::string& entry, long long customBytes);
