// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion log: every run of the encoder since the application
// started, newest last, one line each (time, outcome, file), and the
// selected run in full beneath: its command line, outcome, reason and the
// encoder's last lines. Opened from the File menu and by double-clicking a
// row of the file list; it does not block the main window.
#include "core/RunRecord.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;

class ConversionLogDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConversionLogDialog(QWidget* parent = nullptr);

    QListWidget* entries = nullptr;
    QPlainTextEdit* details = nullptr;

    void add(const RunRecord& record);
    // Shows the log with the latest run of `file` selected, or the latest
    // run when the file has none.
    void showFor(const std::string& file);
    // Shows the log with the latest run selected.
    void showLatest();

private:
    void select(int index);

    std::vector<RunRecord> records_;
};
