// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliModes.h"

#include "cli/CliOptionTable.h"
#include "core/Version.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <vector>

namespace {

constexpr const char* kSynopsis = R"(Usage:
  vantorel-cli --list-formats
  vantorel-cli --show-profile N
  vantorel-cli [choices] [files] --dry-run [--attempt 1|2] FILE...
  vantorel-cli [--format N] [files] --analyze FILE...
  vantorel-cli [choices] [files] [-j N|auto] [--skip-existing] [--quiet] [--json] FILE...
  vantorel-cli -h, --help
  vantorel-cli -V, --version

)";

constexpr const char* kFilesHeading = "\nFiles (with --dry-run, --analyze or converting):\n";

constexpr const char* kChoicesHeading = R"(
Choices (texts are exact entries of the chosen format's lists; a list the
format does not offer takes no choice, nor --volume where it is disabled):
)";

constexpr const char* kClosing = R"(
The encoder is looked up beside this tool, or where the installation put it
(../libexec/vantorel/ from this tool's folder).

Exit status:
  0    done (every file converted, or skipped with --skip-existing)
  1    a file could not be handled (reported on standard error, or not "Done"
       after a conversion), or the lines could not be written
  2    usage error, or a --files-from list that cannot be read or is empty
  128+N  the conversions were stopped by signal N (130 for Ctrl-C, 143 for
       SIGTERM, 129 for SIGHUP)
)";

// Where a section's names start and where their help starts.
struct Columns {
    std::size_t indent;
    std::size_t help;
};

constexpr std::size_t kGridPerLine = 3;

// The label, then the help's lines at the help column (on the next line
// when the label reaches it).
void PrintOption(std::ostream& out, Columns columns, const std::string& label, const std::string& help)
{
    std::string line = std::string(columns.indent, ' ') + label;
    if (line.size() >= columns.help) {
        out << line << '\n';
        line.clear();
    }
    std::istringstream lines(help);
    for (std::string text; std::getline(lines, text);) {
        line.resize(columns.help, ' ');
        out << line << text << '\n';
        line.clear();
    }
}

// Options without help, three to a line, in columns as wide as the room
// between the indent and the help.
void PrintGrid(std::ostream& out, Columns columns, std::vector<std::string>& labels)
{
    const std::size_t width = columns.help - columns.indent;
    for (std::size_t first = 0; first < labels.size(); first += kGridPerLine) {
        std::string line;
        for (std::size_t i = first; i < std::min(first + kGridPerLine, labels.size()); ++i) {
            line.resize(columns.indent + (i - first) * width, ' ');
            line += labels[i];
        }
        out << line << '\n';
    }
    labels.clear();
}

void PrintSection(std::ostream& out, UsageSection section, Columns columns)
{
    std::vector<std::string> grid;
    for (const CliOptionSpec& option : CliOptionTable()) {
        if (option.section != section)
            continue;
        if (option.help.empty()) {
            grid.push_back(OptionLabel(option));
            continue;
        }
        PrintGrid(out, columns, grid);
        PrintOption(out, columns, OptionLabel(option), option.help);
    }
    PrintGrid(out, columns, grid);
}

} // namespace

int RunHelp(std::ostream& out)
{
    out << kSynopsis;
    PrintSection(out, UsageSection::Modes, {0, 20});
    out << kFilesHeading;
    PrintSection(out, UsageSection::Files, {2, 24});
    out << kChoicesHeading;
    PrintSection(out, UsageSection::Choices, {2, 24});
    out << kClosing;
    return kExitOk;
}

int RunVersion(std::ostream& out)
{
    out << "vantorel-cli " << kVersion << '\n';
    return kExitOk;
}

int UsageError(const std::string& message, std::ostream& err)
{
    err << "vantorel-cli: " << message << "\nTry 'vantorel-cli --help'.\n";
    return kExitUsage;
}
