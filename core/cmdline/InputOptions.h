// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the encoder reads a job's input on each attempt: RealMedia inputs go
// through the alternative reader first; a second attempt turns it around,
// except for ".mov" inputs, which are then read as QuickTime.
#include <string>

struct InputOptions {
    bool useAltReader = false;        // the input token starts with DS:\\ .
    bool forceQuickTimeInput = false; // "-f qt" before "-i"
};

// ".rm", ".rmvb", ".ram", ".ra", in any case.
bool IsRealMediaInput(const std::string& inputPath);

InputOptions FirstAttemptOptions(const std::string& inputPath);

// The options of the retry after the first attempt with `first` failed.
InputOptions SecondAttemptOptions(const std::string& inputPath, InputOptions first);
