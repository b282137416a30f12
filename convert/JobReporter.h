// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the runs of one job report, put into the job's row of the file list
// and told to the front end. A job that runs alone moves the progress bar
// and the output size panel itself; beside other jobs the batch's display
// shows them instead, and the bar is not reset after each run.
#include "core/FileRow.h"

#include <optional>
#include <string>

class BatchDisplay;
class ConversionFrontEnd;
class FileList;

// One progress report of the encoder as numbers.
struct ProgressNumbers {
    bool framesReported = false;     // the report named a frame count...
    std::optional<long long> frames; // ...and this one, when it was a number
    std::optional<long long> kilobytes;
    std::optional<double> seconds;
    std::optional<int> percent; // of the input's duration
};

class JobReporter {
public:
    JobReporter(FileList& files, ConversionFrontEnd& frontEnd);

    // The job of `row` begins; `display` shows the batch, or nullptr when the job runs alone.
    void begin(int row, BatchDisplay* display);

    // A run begins: attempt 1 or 2, or the thumbnail run after the attempt.
    // An attempt starts with an empty Frames cell and no output size.
    void runStarted(int attempt, bool thumbnail);
    // The runs that follow are pass `pass` of `passes` of one encode: the
    // percentage covers every pass, and the bar goes on between them.
    // Pass 0 of 0 ends the passes.
    void passStarted(int pass, int passes);
    void progressed(ProgressNumbers numbers);
    // The Progress cell's verdict (None empties it).
    void judged(RowOutcome outcome);
    // The run is over: the bar shows its end a moment (from 100 unless stopped).
    void runEnded(bool stopped);
    // The file the job writes, named before each attempt and renamed when
    // the output had to take another name.
    void outputNamed(const std::string& path);
    // The job is over: its outcome and why.
    void ended(RowOutcome outcome, Reason reason);

private:
    FileList& files_;
    ConversionFrontEnd& frontEnd_;
    int row_ = -1;
    int attempt_ = 1;
    int pass_ = 0;
    int passes_ = 0;
    BatchDisplay* display_ = nullptr;
};
