// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits one command-line string into arguments by the Windows rules, so the
// exact strings the application builds mean the same here: blanks and tabs
// separate arguments, double quotes group, backslashes are literal unless
// they precede a double quote (2n backslashes + quote: n backslashes and a
// quote that toggles quoting; 2n+1: n backslashes and a literal quote), and
// "" inside quotes is a literal quote. The first token, the program, ends at
// its closing quote without any backslash rule.
#include <string>
#include <vector>

namespace platform {

std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The text as one argument in double quotes, which SplitCommandLine gives
// back exactly, whatever it holds: a quote inside becomes \", and the
// backslashes before a quote or before the closing quote are doubled. An
// ordinary path comes out as it is, between the quotes.
std::string QuoteArgument(const std::string& text);

// The same without the opening quote, for a line that has opened it already.
std::string QuotedTail(const std::string& text);

} // namespace platform
