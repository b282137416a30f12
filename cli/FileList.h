// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files a run works on: the FILE arguments, then the lines of each
// --files-from list; with --shard only this run's share of them.
#include "cli/CliOptions.h"

#include <iosfwd>
#include <string>
#include <vector>

// Puts the --files-from lists after the FILE arguments in options.files and
// keeps the shard's share. False, with the complaint on `err`, when a list
// cannot be read or the lists name no file at all. A share may be empty:
// a farm may have more tasks than files.
bool GatherFiles(CliOptions& options, std::istream& standardInput, std::ostream& err);

// One path a line; empty lines are skipped and a line's closing CR dropped.
std::vector<std::string> ReadFileList(std::istream& in);

// The share of `files`: the full paths sorted by their bytes and without
// repeats, then every N-th group from the K-th. A group holds the files whose
// outputs could take one name (the same base name, or one that is another's
// numbered form, "clip" and "clip-1"), so that each output name is chosen on
// one machine only; with distinct base names every group is one file.
std::vector<std::string> ShareOf(const std::vector<std::string>& files, Shard shard);
