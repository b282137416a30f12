// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptionTable.h"

#include "core/CropArea.h"
#include "core/JobsAtOnce.h"
#include "core/profiles/FitSizeEntries.h"
#include "core/profiles/FormatCatalogue.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

// More shares than this is a typing error rather than a farm.
constexpr int kMaxShards = 1000000;

using Text = const std::string&;
using Section = UsageSection;

std::optional<int> WholeNumberIn(Text text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// "16:9": two positive whole numbers around a colon.
bool IsDisplayAspect(Text text)
{
    const auto colon = text.find(':');
    return colon != std::string::npos && WholeNumberIn(text.substr(0, colon), 1, 65535)
        && WholeNumberIn(text.substr(colon + 1), 1, 65535);
}

std::string LastFormat()
{
    return std::to_string(FormatCount() - 1);
}

std::optional<int> FormatIndex(Text value)
{
    return WholeNumberIn(value, 0, FormatCount() - 1);
}

std::string FormatIndexError(const CliOptionSpec& option, Text value)
{
    return option.name + " needs a format index from 0 to " + LastFormat() + ", not \"" + value + "\"";
}

std::string SetMode(CliOptions& o, const CliOptionSpec& option, Text)
{
    if (o.mode != CliMode::None && o.mode != option.mode)
        return ModeOptionName(o.mode) + " and " + option.name + " cannot be combined";
    o.mode = option.mode;
    return {};
}

std::string ShowProfile(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto index = FormatIndex(value);
    if (!index)
        return FormatIndexError(option, value);
    o.profileFormat = *index;
    return SetMode(o, option, value);
}

std::string Attempt(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto attempt = WholeNumberIn(value, 1, 2);
    if (!attempt)
        return option.name + " needs 1 or 2, not \"" + value + "\"";
    o.attempt = *attempt;
    return {};
}

std::string Jobs(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto jobs = ParseJobsAtOnce(value);
    if (!jobs)
        return option.name + " needs a number from 1 to " + std::to_string(kMostJobsAtOnce) + " or auto, not \"" + value
            + "\"";
    o.jobsAtOnce = *jobs;
    return {};
}

std::string FilesFrom(CliOptions& o, const CliOptionSpec& option, Text value)
{
    if (value.empty())
        return option.name + " needs a file (- for standard input)";
    o.listFiles.push_back(value);
    return {};
}

std::string ShardOf(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto slash = value.find('/');
    const auto count = WholeNumberIn(value.substr(slash + 1), 1, kMaxShards);
    const auto index = slash == std::string::npos ? std::nullopt : WholeNumberIn(value.substr(0, slash), 1, count.value_or(0));
    if (!count || !index)
        return option.name + " needs K/N with 1 <= K <= N, not \"" + value + "\"";
    o.shard = Shard{*index, *count};
    return {};
}

// The choices; each marks that choices were given.
std::string Format(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto index = FormatIndex(value);
    if (!index)
        return FormatIndexError(option, value);
    o.format = *index;
    o.choicesGiven = true;
    return {};
}

std::string ListChoice(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto choice = std::find_if(kListChoiceOptions.begin(), kListChoiceOptions.end(),
                                     [&option](const ListChoiceOption& list) { return option.name == list.name; });
    o.listChoices.emplace_back(&*choice, value);
    o.choicesGiven = true;
    return {};
}

std::string Volume(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto position = WholeNumberIn(value, 0, 10);
    if (!position)
        return option.name + " needs a slider position from 0 to 10, not \"" + value + "\"";
    o.volumePosition = *position;
    o.choicesGiven = true;
    return {};
}

std::string OutputDir(CliOptions& o, const CliOptionSpec& option, Text value)
{
    if (value.empty())
        return option.name + " needs a directory";
    o.outputDir = value;
    o.choicesGiven = true;
    return {};
}

std::string AudioLanguage(CliOptions& o, const CliOptionSpec& option, Text value)
{
    if (value.size() < 2 || value.size() > 8
        || value.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") != std::string::npos)
        return option.name + " needs a language code of letters, such as fra";
    o.audioLanguage = value;
    o.choicesGiven = true;
    return {};
}

std::string FitSize(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto bytes = ParseSizeLimit(value);
    if (!bytes)
        return option.name + " needs a size such as 25MB, 700KB, 1.5GB or 25MiB, not \"" + value + "\"";
    o.fitBytes = bytes;
    o.choicesGiven = true;
    return {};
}

std::string DisplayAspect(CliOptions& o, const CliOptionSpec& option, Text value)
{
    if (!IsDisplayAspect(value))
        return option.name + " needs two whole numbers, such as 16:9";
    o.displayAspect = value;
    o.choicesGiven = true;
    return {};
}

std::string TimeError(const CliOptionSpec& option, Text value)
{
    return option.name + " needs a time in seconds or [HH:]MM:SS[.mmm], such as 90 or 01:30.5, not \"" + value + "\"";
}

std::string TrimTime(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto seconds = ParseTimeText(value);
    if (!seconds)
        return TimeError(option, value);
    if (option.name == "--end")
        o.trim.end = seconds;
    else
        o.trim.start = *seconds;
    o.choicesGiven = true;
    return {};
}

std::string Crop(CliOptions& o, const CliOptionSpec& option, Text value)
{
    if (value == "none" || value == "auto")
        o.crop = value == "none" ? kCropNoneEntry : kCropAutoEntry;
    else if (const auto area = ParseCropArea(value))
        o.crop = CropAreaText(*area);
    else
        return option.name + " needs none, auto or W:H:X:Y (such as 1280:536:0:92), not \"" + value + "\"";
    o.choicesGiven = true;
    return {};
}

std::string Preview(CliOptions& o, const CliOptionSpec& option, Text value)
{
    const auto seconds = ParseTimeText(value);
    if (!seconds)
        return TimeError(option, value);
    o.previewSeconds = *seconds;
    return SetMode(o, option, value);
}

std::vector<CliOptionSpec> Rows()
{
    // clang-format off
    std::vector<CliOptionSpec> rows{
        {"--help", "", false, Section::Synopsis, "", SetMode, CliMode::Help, "-h"},
        {"--version", "", false, Section::Synopsis, "", SetMode, CliMode::Version, "-V"},
        {"--list-formats", "", false, Section::Modes,
         "the " + std::to_string(FormatCount()) + " rows of the output-format list: index, TAB, text,\n"
         "TAB, format tag (empty for separators)", SetMode, CliMode::ListFormats},
        {"--show-profile", "N", true, Section::Modes,
         "the option lists of a freshly started window switched to\n"
         "format N, one line a list: name, TAB, selected index (-1\n"
         "for none), then a TAB before each entry; a list the\n"
         "format does not offer (disabled in the window) shows\n"
         "\"disabled\" in place of the index and no entries", ShowProfile, CliMode::ShowProfile},
        {"--dry-run", "FILE...", false, Section::Modes,
         "the encoder command lines of each file's first attempt,\n"
         "one a line (a PSP format adds its thumbnail line); nothing\n"
         "is written to disk, no directory is created", SetMode, CliMode::DryRun},
        {"--analyze", "FILE...", false, Section::Modes,
         "measures each file as Add Files does and prints its row:\n"
         "caption, TAB, Video Size, TAB, FrameRate, TAB, Duration,\n"
         "TAB, Output (the tag of --format), and for a picture of\n"
         "non-square pixels TAB and its display aspect (16:9)", SetMode, CliMode::Analyze},
        {"--attempt", "2", true, Section::Modes, "with --dry-run: the lines of the second attempt instead", Attempt},
        {"--preview", "TIME", true, Section::Modes,
         "instead of converting: each file's output picture at TIME\n"
         "(counted from --start) as a PNG, STEM.png in the output\n"
         "directory, as a player shows it (the crop, the size and\n"
         "the bars of the format); one line a file: the file, TAB,\n"
         "its picture",
         Preview, CliMode::Preview},
        {"FILE...", "", false, Section::Modes,
         "without a mode: converts the files one after another as\n"
         "the window does. As each file ends, its line is written\n"
         "on standard output: the file, TAB, then its six cells\n"
         "(video size, frame rate, duration, output, progress,\n"
         "frames) and its index in the list (from 0), TAB-separated;\n"
         "the files no conversion reached follow at the end. The\n"
         "closing message goes to standard error, with the counts\n"
         "when not every file is Done. On a terminal, standard\n"
         "error shows one line per file, updated in place: name,\n"
         "percentage, speed as a multiple of real time, time left;\n"
         "elsewhere (a log) one line per finished file, such as\n"
         "\"clip.avi: Done\" or \"clip.avi: Failed: <reason>\".\n"
         "Ctrl-C, SIGTERM and SIGHUP stop the conversions (the\n"
         "partial outputs are removed); the lines of the files\n"
         "that ended are written, and the status is 128 + the\n"
         "signal's number", nullptr},
        {"--jobs", "N|auto", true, Section::Modes,
         "with converting: up to N files (1 to 8) at the same time\n"
         "instead of one after another; auto starts another file\n"
         "while the running ones leave processor cores idle (sound\n"
         "only and standard-definition pictures take about one core\n"
         "each; H.264, H.265, AV1 and VP9 above 720 x 576 take all\n"
         "of them), never more files than the processors it may\n"
         "use (as nproc counts them). Files may finish in any\n"
         "order; each line is written as its file ends", Jobs, CliMode::None, "-j"},
        {"--skip-existing", "", false, Section::Modes,
         "with converting: a file whose output is there already\n"
         "under its own name (not numbered) and complete, as the\n"
         "check of a finished conversion judges it, is not\n"
         "converted again and shows \"Skipped\"",
         [](CliOptions& o, const CliOptionSpec&, Text) { o.skipExisting = true; return std::string(); }},
        {"--quiet", "", false, Section::Modes,
         "with converting: nothing but the rows (no progress, no\n"
         "closing message)", [](CliOptions& o, const CliOptionSpec&, Text) { o.quiet = true; return std::string(); }},
        {"--json", "", false, Section::Modes,
         "with converting: each row as one JSON object a line on\n"
         "standard output (input, output, outcome, reason,\n"
         "reason_code, frames, duration, seconds, index)", [](CliOptions& o, const CliOptionSpec&, Text) { o.json = true; return std::string(); }},
        {"--", "", false, Section::Modes, "ends the options (for a FILE whose name starts with -)", nullptr},
        {"--files-from", "LIST", true, Section::Files,
         "the files named in LIST, one path a line, after the\n"
         "FILE arguments; - reads standard input; may be given\n"
         "more than once", FilesFrom},
        {"--shard", "K/N", true, Section::Files,
         "only the K-th of N shares (1 <= K <= N): the files\n"
         "sorted, each once, then every N-th from the K-th.\n"
         "Files whose outputs could take one name share a\n"
         "share, so N runs given the same list and the same\n"
         "--output-dir (on N machines) convert every file once\n"
         "with no clashing output names", ShardOf},
        {"--format", "N", true, Section::Choices,
         "output format index, 0 to " + LastFormat() + " (default 0; a separator\n"
         "brings back format 0, as in the window)", Format, CliMode::None, "-f"},
    };
    for (const ListChoiceOption& list : kListChoiceOptions)
        rows.push_back({list.name, "TEXT", true, Section::Choices, "", ListChoice});
    rows.insert(rows.end(), {
        {"--volume", "POS", true, Section::Choices, "volume slider position 0 to 10 (default 5, 100%)", Volume},
        {"--output-dir", "DIR", true, Section::Choices,
         "output directory, made with its missing parents\n"
         "(default: home + \"/iPod Files\")", OutputDir, CliMode::None, "-o"},
        {"--overwrite", "", false, Section::Choices, "overwrite an existing output file of the same name",
         [](CliOptions& o, const CliOptionSpec&, Text) { o.overwrite = o.choicesGiven = true; return std::string(); }},
        {"--loudness", "LUFS", true, Section::Choices,
         "every format with sound: one gain brings each output to\n"
         "this integrated loudness (EBU R128), measured first, its\n"
         "true peak at most -1 dBTP: -14 (streaming), -16\n"
         "(podcast), -23 (broadcast), or off (default: the volume\n"
         "slider applies); it takes the volume slider's place",
         [](CliOptions& o, const CliOptionSpec&, Text value) { o.loudness = value; o.choicesGiven = true; return std::string(); }},
        {"--no-folder-cover", "", false, Section::Choices,
         "sound outputs whose file holds no picture take none from\n"
         "its folder (cover.jpg, folder.jpg, front.jpg); by default\n"
         "they do, and keep the file's own tags and pictures",
         [](CliOptions& o, const CliOptionSpec&, Text) { o.folderCover = false; o.choicesGiven = true; return std::string(); }},
        {"--audio-language", "LANG", true, Section::Choices,
         "the sound track outputs of one track take (such as fra);\n"
         "default: the file's default track", AudioLanguage},
        {"--fit-size", "SIZE", true, Section::Choices,
         "the MP4 and WebM video formats: each output at most SIZE\n"
         "and close to it (two passes; KB, MB, GB count 1,000,\n"
         "KiB, MiB, GiB 1,024: 25MB, 25MiB); the video bitrate,\n"
         "then the sound and the picture size, are chosen to fit", FitSize},
        {"--source-size", "TEXT", true, Section::Choices,
         "the file's \"Video Size\" cell (a dry run's default is\n"
         "\"0 x 0\"; converting measures each file without it)",
         [](CliOptions& o, const CliOptionSpec&, Text value) { o.sourceSize = value; o.choicesGiven = true; return std::string(); }},
        {"--start", "TIME", true, Section::Choices,
         "every file from TIME on (seconds or [HH:]MM:SS[.mmm]): cut\n"
         "at the exact picture, the copies at the key frame at or\n"
         "before it; a start past a file's end fails that file", TrimTime},
        {"--end", "TIME", true, Section::Choices,
         "every file up to TIME; past a file's end: its end", TrimTime},
        {"--crop", "none|auto|W:H:X:Y", true, Section::Choices,
         "the formats that code a picture: none (default), auto (the\n"
         "black borders found all through each file; with --analyze\n"
         "a column \"Crop W x H at X,Y\" tells them), or the area\n"
         "W:H:X:Y of the upright picture; cut before scaling", Crop},
        {"--display-aspect", "W:H", true, Section::Choices,
         "with --source-size: the display aspect of a picture\n"
         "whose pixels are not square (720 x 480 at 16:9)", DisplayAspect},
    });
    // clang-format on
    return rows;
}

} // namespace

const std::vector<CliOptionSpec>& CliOptionTable()
{
    static const std::vector<CliOptionSpec> table = Rows();
    return table;
}

std::string OptionLabel(const CliOptionSpec& option)
{
    const std::string name = option.shortName.empty() ? option.name : option.shortName + ", " + option.name;
    return option.argument.empty() ? name : name + " " + option.argument;
}

std::string ModeOptionName(CliMode mode)
{
    for (const CliOptionSpec& option : CliOptionTable()) {
        if (mode != CliMode::None && option.mode == mode)
            return option.name;
    }
    return {};
}
