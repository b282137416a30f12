// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real encoder (VANTOREL_APPDIR/ridod2e) and collects what it
// printed, line by line, and how it ended.
#include <filesystem>
#include <string>
#include <vector>

namespace encodertest {

struct EncoderRun {
    bool finished = false;   // ended by itself within the time limit
    bool crashed = false;    // ended by a signal
    int exitCode = -1;
    std::string output;      // standard output and standard error together
    std::vector<std::string> lines;
    double seconds = 0;             // wall time of the run
};

std::string EncoderPath();

// Runs the encoder with the arguments (the program name not included). A
// run killed from outside by SIGKILL is tried again, up to three times in all.
EncoderRun RunEncoder(const std::vector<std::string>& arguments, int timeLimitMs = 300000);

// Runs a whole command line as the application builds it: its first token
// is the quoted encoder path; the rest is split by the Windows rules.
EncoderRun RunCommandLine(const std::string& commandLine, int timeLimitMs = 300000);

// The lines that hold a word the application takes for a failure.
std::vector<std::string> LinesWithErrorWords(const std::vector<std::string>& lines);

} // namespace encodertest
