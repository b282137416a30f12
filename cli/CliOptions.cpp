#include "cli/CliOptions.h"

#include "core/JobsAtOnce.h"
#include "core/profiles/FormatCatalogue.h"

#include <charconv>
#include <functional>
#include <map>

namespace {

// More shares than this is a typing error rather than a farm.
constexpr int kMaxShards = 1000000;

std::optional<int> WholeNumberIn(const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// "16:9": two positive whole numbers around a colon.
bool IsDisplayAspect(const std::string& text)
{
    const auto colon = text.find(':');
    return colon != std::string::npos && WholeNumberIn(text.substr(0, colon), 1, 65535)
        && WholeNumberIn(text.substr(colon + 1), 1, 65535);
}

const char* ModeName(CliMode mode)
{
    switch (mode) {
    case CliMode::Help:
        return "--help";
    case CliMode::Version:
        return "--version";
    case CliMode::ListFormats:
        return "--list-formats";
    case CliMode::ShowProfile:
        return "--show-profile";
    case CliMode::DryRun:
        return "--dry-run";
    case CliMode::Analyze:
        return "--analyze";
    case CliMode::None:
    case CliMode::Convert:
        break;
    }
    return "";
}

// One option: whether it takes a value, and what it does to the options.
// The handler returns an error text, empty when the value is fine.
struct OptionRule {
    bool takesValue;
    std::function<std::string(CliOptions&, const std::string& name, const std::string& value)> apply;
};

std::string SetMode(CliOptions& options, CliMode mode)
{
    if (options.mode != CliMode::None && options.mode != mode)
        return std::string(ModeName(options.mode)) + " and " + ModeName(mode) + " cannot be combined";
    options.mode = mode;
    return {};
}

std::string FormatIndexError(const std::string& name, const std::string& value)
{
    return name + " needs a format index from 0 to " + std::to_string(FormatCount() - 1) + ", not \"" + value + "\"";
}

const std::map<std::string, OptionRule, std::less<>>& OptionTable()
{
    static const std::map<std::string, OptionRule, std::less<>> table = [] {
        std::map<std::string, OptionRule, std::less<>> table;
        table["--help"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                               return SetMode(o, CliMode::Help);
                           }};
        table["--version"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                                  return SetMode(o, CliMode::Version);
                              }};
        table["--files-from"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                     if (value.empty())
                                         return name + " needs a file (- for standard input)";
                                     o.listFiles.push_back(value);
                                     return std::string();
                                 }};
        table["--shard"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                const auto slash = value.find('/');
                                const auto count = WholeNumberIn(value.substr(slash + 1), 1, kMaxShards);
                                const auto index = slash == std::string::npos
                                    ? std::nullopt
                                    : WholeNumberIn(value.substr(0, slash), 1, count.value_or(0));
                                if (!count || !index)
                                    return name + " needs K/N with 1 <= K <= N, not \"" + value + "\"";
                                o.shard = Shard{*index, *count};
                                return std::string();
                            }};
        table["--quiet"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                                o.quiet = true;
                                return std::string();
                            }};
        table["--json"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                               o.json = true;
                               return std::string();
                           }};
        table["--jobs"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                               const auto jobs = ParseJobsAtOnce(value);
                               if (!jobs)
                                   return name + " needs a number from 1 to " + std::to_string(kMostJobsAtOnce)
                                       + " or auto, not \"" + value + "\"";
                               o.jobsAtOnce = *jobs;
                               return std::string();
                           }};
        table["--list-formats"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                                       return SetMode(o, CliMode::ListFormats);
                                   }};
        table["--show-profile"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                       const auto index = WholeNumberIn(value, 0, FormatCount() - 1);
                                       if (!index)
                                           return FormatIndexError(name, value);
                                       o.profileFormat = *index;
                                       return SetMode(o, CliMode::ShowProfile);
                                   }};
        table["--dry-run"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                                  return SetMode(o, CliMode::DryRun);
                              }};
        table["--analyze"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                                  return SetMode(o, CliMode::Analyze);
                              }};
        table["--attempt"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                  const auto attempt = WholeNumberIn(value, 1, 2);
                                  if (!attempt)
                                      return name + " needs 1 or 2, not \"" + value + "\"";
                                  o.attempt = *attempt;
                                  return std::string();
                              }};
        table["--format"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                 const auto index = WholeNumberIn(value, 0, FormatCount() - 1);
                                 if (!index)
                                     return FormatIndexError(name, value);
                                 o.format = *index;
                                 o.choicesGiven = true;
                                 return std::string();
                             }};
        table["--volume"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                 const auto position = WholeNumberIn(value, 0, 10);
                                 if (!position)
                                     return name + " needs a slider position from 0 to 10, not \"" + value + "\"";
                                 o.volumePosition = *position;
                                 o.choicesGiven = true;
                                 return std::string();
                             }};
        table["--output-dir"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                     if (value.empty())
                                         return name + " needs a directory";
                                     o.outputDir = value;
                                     o.choicesGiven = true;
                                     return std::string();
                                 }};
        table["--overwrite"] = {false, [](CliOptions& o, const std::string&, const std::string&) {
                                    o.overwrite = true;
                                    o.choicesGiven = true;
                                    return std::string();
                                }};
        table["--source-size"] = {true, [](CliOptions& o, const std::string&, const std::string& value) {
                                      o.sourceSize = value;
                                      o.choicesGiven = true;
                                      return std::string();
                                  }};
        table["--display-aspect"] = {true, [](CliOptions& o, const std::string& name, const std::string& value) {
                                         if (!IsDisplayAspect(value))
                                             return name + " needs two whole numbers, such as 16:9";
                                         o.displayAspect = value;
                                         o.choicesGiven = true;
                                         return std::string();
                                     }};
        for (const ListChoiceOption& choice : kListChoiceOptions) {
            table[choice.name] = {true, [&choice](CliOptions& o, const std::string&, const std::string& value) {
                                      o.listChoices.emplace_back(&choice, value);
                                      o.choicesGiven = true;
                                      return std::string();
                                  }};
        }
        return table;
    }();
    return table;
}

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
        || options.overwrite || options.sourceSize.has_value() || !options.displayAspect.empty() || options.attempt != 1;
    return otherChoices ? "--analyze takes no choices but --format" : std::string();
}

std::string CheckCombination(const CliOptions& options)
{
    if ((options.quiet || options.json) && options.mode != CliMode::Convert && options.mode != CliMode::None)
        return "--quiet and --json go with converting";
    if (options.jobsAtOnce && options.mode != CliMode::Convert && options.mode != CliMode::None)
        return "--jobs goes with converting";
    switch (options.mode) {
    case CliMode::None:
        return "no mode given";
    case CliMode::Convert:
        return options.attempt != 1 ? "--attempt goes with --dry-run" : std::string();
    case CliMode::DryRun:
        return FilesGiven(options) ? std::string() : "--dry-run needs at least one FILE";
    case CliMode::Analyze:
        return AnalyzeCombinationError(options);
    case CliMode::Help:
    case CliMode::Version:
    case CliMode::ListFormats:
    case CliMode::ShowProfile:
        if (FilesGiven(options) || options.shard || options.choicesGiven || options.attempt != 1)
            return std::string(ModeName(options.mode)) + " takes no FILE and no choices";
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
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto rule = OptionTable().find(name);
        if (rule == OptionTable().end()) {
            parsed.error = "unknown option " + argument;
            return parsed;
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!rule->second.takesValue) {
                parsed.error = name + " takes no value";
                return parsed;
            }
            value = argument.substr(equals + 1);
        } else if (rule->second.takesValue) {
            if (i + 1 == arguments.size()) {
                parsed.error = name + " needs a value";
                return parsed;
            }
            value = arguments[++i];
        }
        parsed.error = rule->second.apply(options, name, value);
        if (!parsed.error.empty())
            return parsed;
    }
    // FILEs without a mode are converted.
    if (options.mode == CliMode::None && FilesGiven(options))
        options.mode = CliMode::Convert;
    parsed.error = CheckCombination(options);
    return parsed;
}
