// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoder's options as one table: each one's name, the value it takes,
// where the usage lists it, its help, and what it sets in the request.
// ParseCommandLine reads the arguments through it; the usage is printed from it.
#include "encoder/EncodeRequest.h"

#include <span>
#include <string>

namespace ridod2e {

enum class OptionGroup { General, Video, Audio };

struct CommandLineOption {
    const char* name;  // "-vcodec"
    const char* value; // what the usage shows for its value ("NAME"); nullptr for a switch
    OptionGroup group;
    const char* help;  // broken into lines where the usage breaks it
    // Sets the option; `value` is empty for a switch. A value it cannot read fails.
    void (*apply)(EncodeRequest& request, const std::string& option, const std::string& value);
};

std::span<const CommandLineOption> CommandLineOptions();

// The option named `name`, or nullptr.
const CommandLineOption* FindOption(const std::string& name);

} // namespace ridod2e
