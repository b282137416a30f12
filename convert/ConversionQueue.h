#pragma once
// The conversion run: walks the job list from top to bottom and converts
// every checked row whose file still exists, one job at a time, through the
// runs the job planner gives (first attempt, thumbnail, retry); then shows
// the closing message or hands over to the power-off countdown. Runs on the
// worker thread and returns when done. A stop request is looked at before
// every step that would start an encoder. A PSP video that converted keeps
// its outcome when its thumbnail cannot be made.
//
// No job writes over a file that is the input of a row of the list, and no
// two jobs of one run get the same output name. Every row that does not end
// "Done" is given its reason, and every run of the encoder is logged.
#include "convert/EncoderRunner.h"
#include "core/BatchTally.h"
#include "core/cmdline/CommandLineBuilder.h"

#include <vector>

class ConversionHost;
struct SharedState;

class ConversionQueue {
public:
    ConversionQueue(SharedState& shared, ConversionHost& host, EncoderRunner& runner);

    void Run();

private:
    void walk();
    // False when the walk must end here.
    bool convertRow(int rowIndex);
    // Selects "False" in the mute list again when the result asks for it.
    BuildResult noteMuteReset(BuildResult result);
    // The output folder cannot be made: says so and marks the row.
    void folderFailed(int rowIndex, bool checked, const BuildResult& result);
    void log(int rowIndex, const EncoderRun& request, const RunOutcome& outcome);
    bool reserved(const std::string& path) const;
    bool stopped() const;
    void endSteps();

    SharedState& shared_;
    ConversionHost& host_;
    EncoderRunner& runner_;
    CommandLineBuilder builder_;
    bool anyJobStarted_ = false;
    BatchTally tally_;
    // Paths this run's jobs must not write: the rows' inputs and the
    // outputs of the jobs before.
    std::vector<std::string> reserved_;
};
