// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SettingsFile.h"

#include "platform/IniFile.h"
#include "core/profiles/FormatCatalogue.h"

#include <filesystem>

namespace {

constexpr const char* kFileName = "plumly.ini";
constexpr const char* kGeneral = "General";
constexpr const char* kOutputDir = "OutputDir";
constexpr const char* kAudioLanguage = "AudioLanguage";
constexpr const char* kFitSizeMegabytes = "FitSizeMB";
constexpr const char* kCheckBoxes = "CheckBoxes";
constexpr const char* kOverwrite = "OverwriteExistingFile";
constexpr const char* kShutDown = "ShutDown";
constexpr const char* kFolderCover = "FolderCover";
constexpr const char* kCombo = "Combo";
constexpr const char* kOutputFormat = "OutputFormat";
constexpr const char* kLetterBox = "LetterBox";
constexpr const char* kRecent = "Recent";
constexpr const char* kAddFilesDir = "AddFilesDir";
constexpr const char* kJobs = "Jobs";
constexpr const char* kAtOnce = "AtOnce";
constexpr const char* kOfferRestore = "OfferRestore";

// An index outside the list, or a separator whose row says so. The other
// separators are taken as stored: the window's format switch brings back
// format 0 for them.
bool IsNoFormat(int index)
{
    const FormatSpec* format = FormatAt(index);
    return !format || format->settingsReset;
}

} // namespace

SettingsFile::SettingsFile(const std::string& dir)
    : path_(dir + kFileName)
{
}

std::string OutputDirUnder(const std::string& stored, const std::string& home)
{
    if (stored.empty() || stored.front() == '/')
        return stored;
    return home + "/" + stored;
}

SettingsLoad SettingsFile::load(SettingsValues& values) const
{
    std::string addFilesDir;
    return load(values, addFilesDir);
}

SettingsLoad SettingsFile::load(SettingsValues& values, std::string& addFilesDir) const
{
    IniFile ini(path_);
    if (!ini.exists())
        return SettingsLoad::NoFile;
    if (!ini.read()) {
        ini.remove();
        return SettingsLoad::Failed;
    }
    values.outputDir = ini.readString(kGeneral, kOutputDir, "");
    values.audioLanguage = ini.readString(kGeneral, kAudioLanguage, "");
    values.fitSizeMegabytes = ini.readString(kGeneral, kFitSizeMegabytes, "");
    values.overwrite = ini.readBool(kCheckBoxes, kOverwrite, true);
    // The power-off is armed by an explicit "1" only: a missing or damaged
    // value must never switch the computer off unasked.
    values.shutDown = ini.readString(kCheckBoxes, kShutDown, "") == "1";
    values.folderCover = ini.readBool(kCheckBoxes, kFolderCover, true);
    addFilesDir = ini.readString(kRecent, kAddFilesDir, addFilesDir);
    // Anything but a number offered or "auto" keeps one file at a time.
    values.jobsAtOnce = ParseJobsAtOnce(ini.readString(kJobs, kAtOnce, "")).value_or(1);
    const int format = ini.readInteger(kCombo, kOutputFormat, 1);
    if (IsNoFormat(format)) {
        values.outputFormat = 0;
        ini.remove();
        return SettingsLoad::FormatReset;
    }
    values.outputFormat = format;
    const int letterBox = ini.readInteger(kCombo, kLetterBox, 1);
    values.letterBox = letterBox == 0 ? 0 : 1;
    return SettingsLoad::Loaded;
}

bool SettingsFile::save(const SettingsValues& values, const std::string& addFilesDir) const
{
    // The user's configuration folder may not hold ours yet.
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    IniFile ini(path_);
    const bool written = (!ini.exists() || ini.read()) && ini.writeString(kGeneral, kOutputDir, values.outputDir)
        && ((values.audioLanguage.empty() && !ini.value(kGeneral, kAudioLanguage))
            || ini.writeString(kGeneral, kAudioLanguage, values.audioLanguage))
        && ((values.fitSizeMegabytes.empty() && !ini.value(kGeneral, kFitSizeMegabytes))
            || ini.writeString(kGeneral, kFitSizeMegabytes, values.fitSizeMegabytes))
        && ini.writeBool(kCheckBoxes, kOverwrite, values.overwrite) && ini.writeBool(kCheckBoxes, kShutDown, values.shutDown)
        && ((values.folderCover && !ini.value(kCheckBoxes, kFolderCover))
            || ini.writeBool(kCheckBoxes, kFolderCover, values.folderCover))
        && ini.writeInteger(kCombo, kOutputFormat, values.outputFormat)
        && ini.writeInteger(kCombo, kLetterBox, values.letterBox)
        && ((values.jobsAtOnce == 1 && !ini.value(kJobs, kAtOnce))
            || ini.writeString(kJobs, kAtOnce, JobsAtOnceText(values.jobsAtOnce)))
        && (addFilesDir.empty() || ini.writeString(kRecent, kAddFilesDir, addFilesDir)) && ini.commit();
    if (!written)
        ini.remove();
    return written;
}

bool SettingsFile::offersRestore() const
{
    IniFile ini(path_);
    return !ini.exists() || !ini.read() || ini.readBool(kGeneral, kOfferRestore, true);
}
