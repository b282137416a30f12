// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool's options as one table: each row's name, what the usage shows
// for its value, its help, and what it does to the options. The parser reads
// the arguments through it and --help prints it.
#include "cli/CliOptions.h"

#include <string>
#include <vector>

// Where --help lists an option.
enum class UsageSection {
    Synopsis, // only in the lines at the top
    Modes,
    Files,
    Choices,
};

struct CliOptionSpec;

// Sets what the option says; the error text, empty when the value is fine.
using ApplyOption = std::string (*)(CliOptions& options, const CliOptionSpec& option, const std::string& value);

struct CliOptionSpec {
    std::string name;     // "--format"; "FILE..." for the arguments that are no options
    std::string argument; // what the usage shows after the name ("N"); empty for none
    bool takesValue;
    UsageSection section;
    // Broken into lines where the usage breaks it. Options without help are
    // listed three to a line; the section's heading says what they take.
    std::string help;
    ApplyOption apply;            // nothing for what the parser reads itself (FILE..., --)
    CliMode mode = CliMode::None; // the mode the option chooses
    std::string shortName = {};   // "-f"; its value follows it or the next argument
};

const std::vector<CliOptionSpec>& CliOptionTable();

// "-f, --format N": how the usage names the option.
std::string OptionLabel(const CliOptionSpec& option);

// The option that chooses `mode` ("--dry-run"); empty for converting and none.
std::string ModeOptionName(CliMode mode);
