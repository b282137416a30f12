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

} // namespace platform
