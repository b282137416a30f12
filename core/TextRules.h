// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small text operations that command-line pieces, file-list cells and
// the encoder's lines are read and made with.
#include <optional>
#include <string>
#include <string_view>

// Without blanks and control characters at either end.
std::string Trim(std::string_view text);

// ASCII letters in lower case.
std::string ToLower(std::string_view text);

// Every blank removed.
std::string RemoveBlanks(std::string_view text);

// The characters before the blank that precedes the first `mark`: the first
// p - 2 characters, p being the mark's 1-based position; empty when the mark
// is missing or within the first two characters ("512 Kbps", 'K' gives "512").
std::string NumberBeforeUnit(std::string_view text, char mark);

// The part after the last "/".
std::string FileNameOf(std::string_view path);

// From the file name's last "." on, dot included; empty when it has none.
std::string ExtensionOf(std::string_view path);

// A decimal number, blanks around it allowed; nothing for any other text.
std::optional<double> ParseNumber(std::string_view text);

// A number as decimal text with at most 15 significant digits (320, 177.777777777778).
std::string NumberText(double value);

// Whole seconds as "hh:mm:ss" (more hours widen the first field).
std::string ClockText(long long seconds);

// "hh:mm:ss" (or "mm:ss") as whole seconds; nothing for any other text.
std::optional<long long> ClockSeconds(std::string_view text);

// The Progress cell's text of a percentage: "45%", at most "100%".
std::string PercentText(int percent);
