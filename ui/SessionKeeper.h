// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the window's file list in a file beside the settings (the user's
// state folder when installed) as the list changes, written whole at most
// once every `writeDelayMs`, so that a crash, a power loss or a signal does
// not lose it. At the next start the list of a session that ended that way
// is offered back.
#include "core/SessionList.h"

#include <QObject>
#include <QTimer>

class FileList;
class Messages;
class QAbstractItemModel;

class SessionKeeper : public QObject {
public:
    // `model` shows `files` and tells of its changes.
    SessionKeeper(const std::string& stateDir, FileList& files, QAbstractItemModel& model, QObject* parent = nullptr);

    // The last session's list, when it ended without a close and held
    // rows: asks whether to restore it and appends its rows when the user
    // agrees. What is not restored is forgotten.
    void offerRestore(Messages& messages);
    // Writes the list now; `closed` when the session ends by a close or Exit.
    void writeNow(bool closed);

    const SessionFile& file() const { return file_; }
    QTimer& writeTimer() { return writeTimer_; }

private:
    void changed();

    FileList& files_;
    SessionFile file_;
    QTimer writeTimer_;
};
