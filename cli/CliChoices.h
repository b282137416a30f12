// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// From the tool's options to the choices a window would hold: the format's
// profile as a freshly started window shows it, the entries named on the
// command line selected in it, and the values outside the lists.
#include "cli/CliOptions.h"
#include "core/cmdline/ConversionChoices.h"

#include <string>

struct CliChoices {
    ConversionChoices choices;
    std::string error; // a usage error: a text that is not an entry of its list
};

CliChoices ResolveChoices(const CliOptions& options, const std::string& appDir);

// The caption a file would get in the window: a full path.
std::string FullPath(const std::string& file);
