// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion's front end in the main window. Reports are queued as they
// come, from any thread, and shown on the window's thread once a frame: the
// progress reports of a frame are folded into the latest of each kind. A
// question of the conversion shows what is queued first, then is answered
// on the window's thread while the asking thread waits.
#include "core/ConversionFrontEnd.h"

#include <QObject>
#include <QTimer>

#include <mutex>
#include <string>
#include <vector>

class AdditionalOptionsDialog;
class BatchStatus;
class BusyLock;
class ConversionLogDialog;
class ListCommands;
class MainWindow;
class Messages;
class ProfileView;
class ShutdownCountdown;

// What the front end works on.
struct WindowParts {
    MainWindow& window;
    AdditionalOptionsDialog& options;
    ProfileView& profile;
    BusyLock& busyLock;
    ListCommands& listCommands;
    BatchStatus& batchStatus;
    ConversionLogDialog& log;
    ShutdownCountdown& countdown;
    Messages& messages;
};

class WindowFrontEnd : public QObject, public ConversionFrontEnd {
    Q_OBJECT
public:
    WindowFrontEnd(const WindowParts& parts, std::string appDir, QObject* parent = nullptr);

    void report(const ConversionEvent& event) override;
    bool checkRequiredFiles() override;
    ConversionChoices choices() override;
    int jobsAtOnce() override;
    bool shutdownChecked() override;
    void information(const std::string& text) override;
    void closingMessage(const std::string& text) override;

    // Shows the queued reports now, folded; on the window's thread.
    void showQueued();

private:
    void show(const ConversionEvent& event);
    void showBatchStarted(const events::BatchStarted& started);
    void showBatchEnded(const events::BatchEnded& ended);
    void resetBarSoon();

    WindowParts parts_;
    std::string appDir_;
    std::mutex queueLock_;
    std::vector<ConversionEvent> queued_;
    QTimer frame_;
    // On the window's thread: a reset is due only if the bar was not set since.
    int barChanges_ = 0;
};

// How long the bar shows a finished job's position before it returns to 0.
inline constexpr int kFullBarMs = 260;
