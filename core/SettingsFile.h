// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "plumly.ini" in the settings folder (AppDir when run from the build
// folder): the five choices kept between runs, whether sound outputs take
// the folder's cover image (written once turned off), how many files are converted
// at the same time, the sound track's language one-track outputs prefer
// (kept by hand in the file), and the folder the open dialog was last used in. Read
// once at start-up over the window's defaults, written once when the main
// window closes.
#include "core/JobsAtOnce.h"

#include <string>

// The values the file keeps, as the window holds them.
struct SettingsValues {
    std::string outputDir;
    bool overwrite = false;
    bool shutDown = false;
    int outputFormat = 0;
    int letterBox = 1;
    int jobsAtOnce = 1; // [Jobs] AtOnce: 1 to 8, or kAutoJobs
    std::string audioLanguage = {}; // [General] AudioLanguage: the sound track one-track outputs prefer
    std::string fitSizeMegabytes = {}; // [General] FitSizeMB: what "Fit in custom size…" asks for ("42"); empty: none
    bool folderCover = true; // [CheckBoxes] FolderCover: "Use a cover image from the folder"

    bool operator==(const SettingsValues&) const = default;
};

// The output folder a stored value names: a value without its full path
// (the file edited by hand) is a folder in `home`, not in whatever folder
// the program happens to run in. An empty value stays empty.
std::string OutputDirUnder(const std::string& stored, const std::string& home);

enum class SettingsLoad {
    NoFile,      // nothing read, the defaults stay
    Loaded,      // all values taken from the file
    FormatReset, // the stored format was no format: format 0, file deleted, letterbox kept
    Failed,      // the file could not be read and was deleted; nothing changed
};

class SettingsFile {
public:
    // `dir` ends in a separator.
    explicit SettingsFile(const std::string& dir);

    const std::string& path() const { return path_; }

    // Puts the stored values over `values`, which hold the window's current
    // ones; keys missing from an existing file take their own defaults.
    // `addFilesDir` is [Recent] AddFilesDir, kept when the file has none.
    SettingsLoad load(SettingsValues& values) const;
    SettingsLoad load(SettingsValues& values, std::string& addFilesDir) const;
    // Writes the five keys in their order, then the number of files at once
    // unless it is 1 and the file holds none, then the recent folder when
    // there is one, keeping the file's other lines; a missing folder is
    // created first. On failure the file is deleted where it can be; false then.
    bool save(const SettingsValues& values, const std::string& addFilesDir = {}) const;

    // [General] OfferRestore (kept by hand in the file): whether the next
    // start offers the list of a session that ended without a close. On
    // unless the file says "0".
    bool offersRestore() const;

private:
    std::string path_;
};
