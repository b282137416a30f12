// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window shows of a running batch as a whole: the status bar's
// first panel ("Converting 2 of 5") and third panel ("12:34
// left"), the overall percentage in the window title, and once the batch is
// over what happened ("5 converted, 1 failed"), with a desktop notification
// when the window is not the active one. The closing message gets a button
// that opens the output folder. Fed by the conversion's events on the
// window's thread.
#include "core/BatchEstimate.h"
#include "core/TimeLeft.h"
#include "core/FileRow.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class DesktopNotifier;
class Messages;
class MainWindow;

class BatchStatus : public QObject {
    Q_OBJECT
public:
    BatchStatus(MainWindow& window, Messages& messages, QObject* parent = nullptr);

    // Where the end of a batch is told while the window is not active; none by default.
    void setNotifier(DesktopNotifier* notifier) { notifier_ = notifier; }

    bool running() const { return timeLeft_.has_value(); }

    void batchStarted(const BatchJobs& jobs);
    // A job reached the encoder.
    void jobStarted(int row);
    // A run of the row's job began: an attempt (a second one starts from
    // nothing again) or the thumbnail after the video.
    void runStarted(int row, int attempt, bool thumbnail);
    // How far the row's job is (0 to 100).
    void progressed(int row, int percent);
    void jobEnded(int row, RowOutcome outcome);
    // The closing message of the batch, with a button to open the output folder.
    void showClosingMessage(const std::string& text);
    // The batch is over (after its closing message, if any).
    void batchEnded();

    // Seconds since the batch started; tests replace the clock.
    void setClock(std::function<double()> clock) { clock_ = std::move(clock); }

signals:
    void openOutputFolderRequested();
    // The panels or the title changed.
    void changed();

private:
    void refresh();
    void finish();

    MainWindow& window_;
    Messages& messages_;
    DesktopNotifier* notifier_ = nullptr;
    std::optional<TimeLeft> timeLeft_;
    BatchJobs jobs_;
    std::vector<RowOutcome> outcomes_; // of each job
    int currentJob_ = -1;
    QElapsedTimer elapsed_;
    std::function<double()> clock_;
    QTimer ticker_;
};
