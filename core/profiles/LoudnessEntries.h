// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Loudness list of every format with sound. "Off" leaves the volume
// slider in force; every other entry names an integrated loudness (EBU
// R128) that one gain brings each output to, in its place. The entries
// write the minus sign as the window shows it (U+2212); the command line
// carries the plain number.
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kLoudnessOffEntry = "Off";

const std::vector<std::string>& LoudnessEntries();

// -16 for "−16 LUFS (podcast)"; nothing for "Off", no entry or another text.
std::optional<int> LoudnessTarget(const std::string& entry);

// The entry a typed value names: "off" in any case, an entry as it stands,
// or its level with either minus sign ("-16", "−16", "-16 LUFS"); empty
// when it names none.
std::string LoudnessEntryFor(const std::string& text);
