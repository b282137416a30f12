// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliChoices.h"

#include "core/Texts.h"
#include "core/cmdline/Volume.h"
#include "core/profiles/FitSizeEntries.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "core/profiles/LoudnessEntries.h"

#include <QDir>
#include <filesystem>

namespace {

constexpr const char* kFitSizeOption = "--fit-size";

std::string NotAnEntry(const char* optionName, const std::string& text, const OptionList& list, int format)
{
    std::string message = std::string(optionName) + " \"" + text + "\" is not an entry of the list for format "
        + std::to_string(format) + "; ";
    if (list.entries.empty())
        return message + "the list has no entries for this format";
    message += "the entries are:";
    for (const std::string& entry : list.entries)
        message += " \"" + entry + "\"";
    return message;
}

std::string NotOffered(const char* optionName, int format)
{
    return std::string(optionName) + " is not offered by format " + std::to_string(format) + " (\""
        + FormatText(format) + "\"): the window shows it disabled";
}

// --loudness: the entry its value names, selected; the usage error when none.
std::string SelectLoudness(const std::string& text, ProfileState& state)
{
    constexpr const char* kOption = "--loudness";
    OptionList& list = state.lists.loudness;
    if (!list.enabled)
        return NotOffered(kOption, state.formatIndex);
    list.select(LoudnessEntryFor(text));
    if (list.selected < 0)
        return NotAnEntry(kOption, text, list, state.formatIndex) + ", or a level such as -16";
    return {};
}

// A relative path means one below the current directory, as the shell reads it.
std::string AbsolutePath(const std::string& text)
{
    const std::filesystem::path path(text);
    if (path.is_absolute())
        return text;
    return (std::filesystem::current_path() / path).lexically_normal().string();
}

} // namespace

CliChoices ResolveChoices(const CliOptions& options, const std::string& appDir)
{
    CliChoices resolved;
    ProfileState state = ProfileStateFor(options.format);
    for (const auto& [option, text] : options.listChoices) {
        OptionList& list = state.lists.*(option->list);
        if (!list.enabled) {
            resolved.error = NotOffered(option->name, state.formatIndex);
            return resolved;
        }
        list.select(text);
        if (list.selected < 0) {
            resolved.error = NotAnEntry(option->name, text, list, state.formatIndex);
            return resolved;
        }
    }
    if (options.crop && !state.lists.crop.enabled) {
        resolved.error = NotOffered("--crop", state.formatIndex);
        return resolved;
    }
    // An area is no entry of the list: "None" and "Auto" are.
    if (options.crop)
        state.lists.crop.select(*options.crop);
    if (options.loudness) {
        if (std::string error = SelectLoudness(*options.loudness, state); !error.empty()) {
            resolved.error = std::move(error);
            return resolved;
        }
        if (LoudnessTarget(state.lists.loudness.selectedText()) && options.volumePosition != kDefaultVolumePosition) {
            resolved.error = "--volume and --loudness cannot be combined: a loudness target takes the volume slider's place";
            return resolved;
        }
    }
    if (!state.volumeEnabled && options.volumePosition != kDefaultVolumePosition) {
        resolved.error = NotOffered("--volume", state.formatIndex);
        return resolved;
    }
    if (options.fitBytes) {
        const FormatSpec* format = FormatAt(state.formatIndex);
        if (!format || !format->fitsToSize) {
            resolved.error = std::string(kFitSizeOption) + " is not offered by format " + std::to_string(state.formatIndex)
                + " (\"" + FormatText(state.formatIndex) + "\"): only the MP4 and WebM video formats fit to a size";
            return resolved;
        }
        state.lists.videoBitrate.select(CustomFitEntry());
    }
    const std::string outputDir = options.outputDir
        ? AbsolutePath(*options.outputDir)
        : QDir::homePath().toStdString() + texts::kDefaultOutputSubdir;
    resolved.choices = TakeChoices(state, VolumeFactorText(options.volumePosition), outputDir, options.overwrite, appDir);
    resolved.choices.audioLanguage = options.audioLanguage;
    resolved.choices.folderCover = options.folderCover;
    resolved.choices.fitCustomBytes = options.fitBytes.value_or(0);
    if (options.crop)
        resolved.choices.crop = *options.crop;
    return resolved;
}

std::string FullPath(const std::string& file)
{
    return AbsolutePath(file);
}
