#pragma once
// AppDir: the folder of the running executable, where the encoder, the help
// file, the settings file and reg.sh are looked up. Always ends in "/".
#include <string>

namespace platform {

// The directory of the running executable, with a trailing separator.
std::string ExecutableDir();

// Appends the separator when it is missing; an empty text stays empty.
std::string WithTrailingSeparator(const std::string& dir);

} // namespace platform
