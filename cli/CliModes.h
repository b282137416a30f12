// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's modes, one file each. Each writes its results to `out`, its
// complaints to `err`, and returns the exit status (0 done, 1 a file could
// not be handled, 2 a usage error or an unreadable or empty list of files,
// 128 + the signal's number for a conversion a signal stopped).
#include "cli/CliOptions.h"

#include <iosfwd>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitSignal = 128;

int RunHelp(std::ostream& out);
// "vantorel-cli" and the version.
int RunVersion(std::ostream& out);
int RunListFormats(std::ostream& out);
int RunShowProfile(const CliOptions& options, std::ostream& out);
int RunDryRun(const CliOptions& options, std::ostream& out, std::ostream& err);
int RunAnalyze(const CliOptions& options, std::ostream& out, std::ostream& err);
// Converts the files as the window's queue does, each file's row written as
// it ends; 0 when every file is "Done" (or skipped for its output is made).
int RunConvert(const CliOptions& options, std::ostream& out, std::ostream& err);

// Writes each file's output picture at --preview's moment into the output
// directory instead of converting; 0 when every picture is made.
int RunPreview(const CliOptions& options, std::ostream& out, std::ostream& err);

// "vantorel-cli: <message>" and a hint at --help, for a usage error.
int UsageError(const std::string& message, std::ostream& err);
