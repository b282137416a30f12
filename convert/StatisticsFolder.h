// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private folder for one job's two-pass statistics, in the system's
// temporary folder: made by mkdtemp (a name no one can guess, open to its
// owner alone) and removed with everything in it when the owner goes, on
// every path.
#include <string>

class StatisticsFolder {
public:
    // Where such a folder is made, its name's random part as "XXXXXX".
    static std::string Pattern();

    StatisticsFolder();
    ~StatisticsFolder();
    StatisticsFolder(const StatisticsFolder&) = delete;
    StatisticsFolder& operator=(const StatisticsFolder&) = delete;

    bool made() const { return !path_.empty(); }
    // Empty when it could not be made.
    const std::string& path() const { return path_; }
    // Why it could not be made, in the system's words.
    const std::string& error() const { return error_; }

private:
    std::string path_;
    std::string error_;
};
