// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's file list as it is kept between sessions: every row's path,
// check, cells, outcome and reason, and whether the session ended with a
// close (then nothing is offered at the next start). One line a row, fields
// separated by tabs; tabs, line ends and backslashes in a field escaped.
#include "core/FileRow.h"

#include <optional>
#include <string>
#include <vector>

struct SavedSession {
    std::vector<FileRow> rows;
    bool closed = false; // ended by a close or Exit, not by a crash or a signal
};

std::string EncodeSession(const SavedSession& session);
// Nothing when the text is no kept list.
std::optional<SavedSession> DecodeSession(const std::string& text);

// The rows as they come back: a job that was under way when the session
// ended reads "Not converted", with its reason; the others stay as they were.
std::vector<FileRow> RestoredRows(std::vector<FileRow> rows);

// The list's file in the folder `dir` (which ends in "/"): written whole or
// not at all, and removed when the list is empty.
class SessionFile {
public:
    explicit SessionFile(const std::string& dir);

    const std::string& path() const { return path_; }
    // False when it could not be written; the previous file stays then.
    bool save(const SavedSession& session) const;
    std::optional<SavedSession> load() const;
    void remove() const;

private:
    std::string dir_;
    std::string path_;
};
