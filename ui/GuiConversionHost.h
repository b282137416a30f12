#pragma once
// The conversion's host in the main window: every call is carried out on the
// window's thread, and the calling worker waits for it.
#include "core/ConversionHost.h"

#include <QObject>

#include <string>

class BatchStatus;
class BusyLock;
class ListCommands;
class Messages;
class ShutdownCountdown;
class MainWindow;
class AdditionalOptionsDialog;
class ConversionLogDialog;

class GuiConversionHost : public ConversionHost {
public:
    GuiConversionHost(MainWindow& window, AdditionalOptionsDialog& options, BusyLock& busyLock, ListCommands& listCommands, Messages& messages,
                      ShutdownCountdown& countdown, ConversionLogDialog& log, std::string appDir);

    std::vector<FileRow> rows() override;
    void setCell(int row, FileColumn column, const std::string& text) override;
    void setReason(int row, const std::string& reason) override;
    void logRun(const RunRecord& record) override;
    std::string frameCell(int row) override;
    void scrollToRow(int row) override;
    void jobStarted(int row) override;
    void setProgressBar(int position) override;
    void resetProgressBarSoon() override;
    void setStatusPanel(const std::string& text) override;
    void information(const std::string& text) override;
    void closingMessage(const std::string& text) override;
    bool checkRequiredFiles() override;
    void lock() override;
    void unlock() override;
    void setStartControlsEnabled(bool enabled) override;
    bool shutdownChecked() override;
    void startCountdown() override;
    ConversionChoices choices() override;
    void resetMuteAudio() override;
    int jobsAtOnce() override;

    // Told of the batch's start, jobs, progress cells and end; none by default.
    void setBatchStatus(BatchStatus* status) { batchStatus_ = status; }

private:
    MainWindow& window_;
    AdditionalOptionsDialog& options_;
    BusyLock& busyLock_;
    ListCommands& listCommands_;
    Messages& messages_;
    ShutdownCountdown& countdown_;
    ConversionLogDialog& log_;
    std::string appDir_;
    BatchStatus* batchStatus_ = nullptr;
    // On the window's thread: a reset is due only if the bar was not set since.
    int barChanges_ = 0;
    QObject barTimers_;
};

// How long the bar shows a finished job's position before it returns to 0.
inline constexpr int kFullBarMs = 260;
