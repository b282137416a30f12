#pragma once
// What the conversion sees of the window it works for: the job list, the
// progress displays, the messages and the controls it locks. The queue and
// the runner call it from the worker thread; an implementation carries every
// call out on its own (window's) thread and waits, so the calls take effect
// in the order they are made.
#include "core/cmdline/ConversionChoices.h"
#include "core/FileRow.h"
#include "core/RunRecord.h"

#include <string>
#include <vector>

class ConversionHost {
public:
    virtual ~ConversionHost() = default;

    // The rows of the job list as they are now.
    virtual std::vector<FileRow> rows() = 0;
    // One cell of a row; a row that no longer exists is left alone.
    virtual void setCell(int row, FileColumn column, const std::string& text) = 0;
    // Why the row's job did not end "Done", or what its outcome leaves
    // unsaid (a "Done" video whose thumbnail could not be made); empty
    // clears it.
    virtual void setReason(int row, const std::string& reason) = 0;
    // A run of the encoder ended: an entry for the conversion log.
    virtual void logRun(const RunRecord& record) = 0;
    // The Frames cell, read by the stall watch on the window's thread.
    virtual std::string frameCell(int row) = 0;
    // Brings the row into view.
    virtual void scrollToRow(int row) = 0;
    // The progress bar, 0 to 100 (values outside are held at the ends).
    virtual void setProgressBar(int position) = 0;
    // The bar goes back to 0 after showing its position for a moment, unless
    // it is set again meanwhile; the caller does not wait for that.
    virtual void resetProgressBarSoon() = 0;
    // The status bar's second panel.
    virtual void setStatusPanel(const std::string& text) = 0;
    // An "Information" message; returns once it is dismissed.
    virtual void information(const std::string& text) = 0;
    // The message that closes a batch; a front end may add to it.
    virtual void closingMessage(const std::string& text) { information(text); }
    // The required-files check, with its own message; true when all are there.
    virtual bool checkRequiredFiles() = 0;
    // The busy lock of the option controls and menu entries.
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // "Convert Now !", "Add Files" and the file list's context menu.
    virtual void setStartControlsEnabled(bool enabled) = 0;
    // "Shut Down Computer After All Conversion Jobs Are Done".
    virtual bool shutdownChecked() = 0;
    // Hands over to the power-off countdown.
    virtual void startCountdown() = 0;
    // The option choices as they are shown now, for the next command line.
    virtual ConversionChoices choices() = 0;
    // Selects "False" in the mute list again.
    virtual void resetMuteAudio() = 0;
    // The file the row's conversion writes, named before each attempt; only
    // a front end that reports it keeps it.
    virtual void setOutputPath(int /*row*/, const std::string& /*path*/) {}
    // How many files the batch converts at the same time (1 to 8, or
    // kAutoJobs), read as the batch starts.
    virtual int jobsAtOnce() { return 1; }
    // A job of the row reaches the encoder.
    virtual void jobStarted(int /*row*/) {}
    // The job of the row is over, its outcome written; jobs that run at the
    // same time may end in any order.
    virtual void jobEnded(int /*row*/) {}
};
