// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the tool's arguments through the option table. It only checks the
// form of the arguments; whether a choice's text is an entry of its list
// depends on the format and is checked by the mode.
#include "cli/CliOptions.h"

#include <string>
#include <vector>

struct ParsedArguments {
    CliOptions options;
    std::string error; // empty when the arguments are usable
};

ParsedArguments ParseCliArguments(const std::vector<std::string>& arguments);
