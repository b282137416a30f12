// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of the conversion log: a run of the encoder and how it ended.
#include <string>
#include <vector>

struct RunRecord {
    int row = -1;
    std::string time;                   // when the run ended, "yyyy-MM-dd hh:mm:ss"
    std::string file;                   // the input
    std::string commandLine;            // as built, with the output's real name
    std::string outcome;                // "Done", "Incomplete", "Failed" or "Aborted"
    std::string reason;                 // empty for "Done"
    std::vector<std::string> lastLines; // the encoder's last lines, oldest first
    bool retried = false;               // another attempt of the encode follows, for the reason given
};

// How many of the encoder's last lines an entry keeps.
inline constexpr std::size_t kLoggedLines = 20;

// The entry as the log shows it, one item a line, the encoder's lines indented.
std::string RecordText(const RunRecord& record);
