// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// AppDir: the folder of the running executable, where the encoder, the help
// file, the settings file and reg.sh are looked up when the program runs
// from its build folder. Always ends in "/".
#include <string>

namespace platform {

// The directory of the running executable, with a trailing separator.
std::string ExecutableDir();

// Appends the separator when it is missing; an empty text stays empty.
std::string WithTrailingSeparator(const std::string& dir);

// Whether this process may create files in the folder.
bool IsWritableDir(const std::string& dir);

// The user's folder for the settings of the program `name`
// ($XDG_CONFIG_HOME/name/, by default ~/.config/name/), with a trailing
// separator; it is not created here.
std::string UserConfigDir(const std::string& name);

// The user's folder for what the program `name` keeps of its own work
// between runs ($XDG_STATE_HOME/name/, by default ~/.local/state/name/),
// with a trailing separator; it is not created here.
std::string UserStateDir(const std::string& name);

} // namespace platform
