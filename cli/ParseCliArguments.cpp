// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ParseCliArguments.h"

#include "cli/CliOptionTable.h"

#include <algorithm>

namespace {

// FILE arguments, or lists of them still to be read.
bool FilesGiven(const CliOptions& options)
{
    return !options.files.empty() || !options.listFiles.empty();
}

// Measuring reads nothing but the output format, for the Output cell.
std::string AnalyzeCombinationError(const CliOptions& options)
{
    if (!FilesGiven(options))
        return "--analyze needs at least one FILE";
    const bool otherChoices = !options.listChoices.empty() || options.volumePosition != 5 || options.outputDir
        || options.overwrite || options.sourceSize.has_value() || !options.displayAspect.empty() || options.attempt != 1
        || options.trim.asked() || (options.crop && *options.crop != kCropAutoEntry);
    return otherChoices ? "--analyze takes no choices but --format and --crop auto" : std::string();
}

std::string CheckCombination(const CliOptions& options)
{
    if (options.trim.end && *options.trim.end <= options.trim.start)
        return "--end must come after --start";
    if ((options.quiet || options.json) && options.mode != CliMode::Convert && options.mode != CliMode::None)
        return "--quiet and --json go with converting";
    if (options.jobsAtOnce && options.mode != CliMode::Convert && options.mode != CliMode::None)
        return "--jobs goes with converting";
    if (options.skipExisting && options.mode != CliMode::Convert && options.mode != CliMode::None)
        return "--skip-existing goes with converting";
    switch (options.mode) {
    case CliMode::None:
        return "no mode given";
    case CliMode::Convert:
        return options.attempt != 1 ? "--attempt goes with --dry-run" : std::string();
    case CliMode::DryRun:
        return FilesGiven(options) ? std::string() : "--dry-run needs at least one FILE";
    case CliMode::Analyze:
        return AnalyzeCombinationError(options);
    case CliMode::Preview:
        return FilesGiven(options) ? std::string() : "--preview needs at least one FILE";
    case CliMode::Help:
    case CliMode::Version:
    case CliMode::ListFormats:
    case CliMode::ShowProfile:
        if (FilesGiven(options) || options.shard || options.choicesGiven || options.attempt != 1)
            return ModeOptionName(options.mode) + " takes no FILE and no choices";
        return {};
    }
    return {};
}

} // namespace

ParsedArguments ParseCliArguments(const std::vector<std::string>& arguments)
{
    ParsedArguments parsed;
    CliOptions& options = parsed.options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "-f 3" and "-f3" for a short name; "--format 3" and "--format=3" for a long one.
        const bool shortForm = argument[1] != '-';
        const auto equals = shortForm ? std::string::npos : argument.find('=');
        const std::string name = shortForm ? argument.substr(0, 2) : argument.substr(0, equals);
        const std::vector<CliOptionSpec>& table = CliOptionTable();
        const auto option = std::find_if(table.begin(), table.end(), [&name, shortForm](const CliOptionSpec& row) {
            return row.apply != nullptr && (shortForm ? row.shortName : row.name) == name;
        });
        if (option == table.end() || (shortForm && argument.size() > 2 && !option->takesValue)) {
            parsed.error = "unknown option " + argument;
            return parsed;
        }
        std::string value;
        if (shortForm && argument.size() > 2) {
            value = argument.substr(2);
        } else if (equals != std::string::npos) {
            if (!option->takesValue) {
                parsed.error = name + " takes no value";
                return parsed;
            }
            value = argument.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == arguments.size()) {
                parsed.error = name + " needs a value";
                return parsed;
            }
            value = arguments[++i];
        }
        parsed.error = option->apply(options, *option, value);
        if (!parsed.error.empty())
            return parsed;
    }
    // FILEs without a mode are converted.
    if (options.mode == CliMode::None && FilesGiven(options))
        options.mode = CliMode::Convert;
    parsed.error = CheckCombination(options);
    return parsed;
}
