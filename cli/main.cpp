// SPDX-License-Identifier: GPL-3.0-or-later
// vantorel-cli: the output formats, their option lists and the encoder's
// command lines, for scripts and checks, on the application's own code.
#include "cli/CliModes.h"
#include "cli/FileList.h"
#include "cli/ParseCliArguments.h"

#include <iostream>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const ParsedArguments parsed = ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty())
        return UsageError(parsed.error, std::cerr);
    CliOptions options = parsed.options;
    if (!GatherFiles(options, std::cin, std::cerr))
        return kExitUsage;
    int status = kExitUsage;
    switch (options.mode) {
    case CliMode::Help:
        status = RunHelp(std::cout);
        break;
    case CliMode::Version:
        status = RunVersion(std::cout);
        break;
    case CliMode::ListFormats:
        status = RunListFormats(std::cout);
        break;
    case CliMode::ShowProfile:
        status = RunShowProfile(options, std::cout);
        break;
    case CliMode::DryRun:
        status = RunDryRun(options, std::cout, std::cerr);
        break;
    case CliMode::Analyze:
        status = RunAnalyze(options, std::cout, std::cerr);
        break;
    case CliMode::Convert:
        status = RunConvert(options, std::cout, std::cerr);
        break;
    case CliMode::Preview:
        status = RunPreview(options, std::cout, std::cerr);
        break;
    case CliMode::None:
        break;
    }
    std::cout.flush();
    return status;
}
