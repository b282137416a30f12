// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoder's usage text, printed for -h, --help or no arguments.
#include <string>
#include <vector>

namespace ridod2e {

bool AsksForUsage(const std::vector<std::string>& arguments);
std::string UsageText();

} // namespace ridod2e
