// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a file chosen to be added holds audio or video at all. A file
// whose container the libraries only guess at (a low probe score) must
// decode some picture or sound in its first seconds; one they recognise
// goes on to be measured, however odd, and fails later with its own words.
#include <optional>
#include <string>

// Why the file gets no row ("is empty", "holds no picture or sound this
// program can read"); nothing when it goes on to be measured.
std::optional<std::string> NotMediaReason(const std::string& path);
