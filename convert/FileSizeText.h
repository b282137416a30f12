// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size of the file at a path as decimal text: empty when nothing is
// there, "nil" when the lookup itself fails. A folder counts as size 0.
#include <string>

std::string FileSizeText(const std::string& path);
