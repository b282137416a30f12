// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion run: walks the file list from top to bottom and converts
// every checked row whose file still exists through the runs the job planner
// gives (first attempt, thumbnail, retry); then shows the closing message or
// hands over to the power-off countdown. Runs on the worker thread and
// returns when done. A stop request is looked at before every step that
// would start an encoder. A PSP video that converted keeps its outcome when
// its thumbnail cannot be made. What happens is written into the file list
// and reported to the front end as it happens, never waiting for it.
//
// One job runs at a time unless the front end asks for more. Then each job
// runs on a thread of its own with a runner (and stall watch) of its own, as
// many at once as asked for ("Auto": as the cores allow), the progress bar
// shows the batch, and rows may end in any order; the closing message and
// the power-off countdown come after the last of them.
//
// No job writes over a file that is the input of a row of the list, and no
// two jobs of one run get the same output name: a name is taken from the
// moment a job is given it. Every row that does not end "Done" is given its
// reason, and every run of the encoder is logged.
#include "convert/BatchDisplay.h"
#include "convert/EncoderRunner.h"
#include "convert/JobReporter.h"
#include "core/BatchTally.h"
#include "core/JobsAtOnce.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/cmdline/OutputReservations.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class ConversionFrontEnd;
class FileList;
struct PlannedRun;
struct SharedState;

// A runner and the reporter its job reports through.
struct JobSlot {
    JobReporter* reporter = nullptr;
    EncoderRunner* runner = nullptr;
};

class ConversionQueue {
public:
    // `slot(i)` gives the i-th runner, made on first asking; slot 0 serves
    // the jobs that run one at a time.
    ConversionQueue(SharedState& shared, FileList& files, ConversionFrontEnd& frontEnd,
                    std::function<JobSlot(int index)> slot);

    // The cores "Auto" may fill: the processors this process may use, unless set.
    void setCores(int cores) { cores_ = cores; }
    // What "Auto" asks, while a job that fills the processor runs, for the
    // processors idle since it last asked; the system's counters unless set.
    void setIdleMeter(std::function<double()> idleCores) { idleCores_ = std::move(idleCores); }
    // Measures the black borders of a row's file (path, Video Size) for Crop
    // "Auto" where the analysis did not; without it such rows are not cropped.
    using CropFinder = std::function<std::optional<CropArea>(const std::string& path, const std::string& size)>;
    void setCropFinder(CropFinder find) { findCrop_ = std::move(find); }

    void run();

private:
    struct Job;
    struct Running {
        int slot;
        JobLoad load;
        std::thread thread;
        bool over = false;
    };

    void walk();
    // False when the walk must end here.
    bool convertRow(int rowIndex);
    // The job of the row reaches the encoder through slot `index`.
    JobSlot beginJob(int row, int index);
    // Every run of the job; false when the walk must end here.
    bool runJob(Job& job, JobSlot slot);
    // Builds and makes one run of the job; nothing when its output folder
    // cannot be made.
    std::optional<RunOutcome> runOnce(Job& job, const PlannedRun& run, JobSlot slot);
    // What the run's outcome makes of the job's.
    void fold(Job& job, bool thumbnail, const RunOutcome& outcome, JobReporter& reporter);
    // Runs the job beside the others once a slot is free and the load
    // allows; false when the walk ends instead.
    bool startBeside(Job& job);
    // Waits until every job started has ended.
    void finishJobs();
    // Joins the jobs that have ended; lock_ held.
    void reap();
    // A job's outcome in the closing message's counts.
    void count(RowOutcome verdict);
    // The job's format run, its output name taken for it alone.
    BuildResult buildFor(int rowIndex, const ConversionChoices& choices, const JobInput& job, bool takesName);
    // Chooses "False" in the mute list again when the result asks for it.
    BuildResult noteMuteReset(BuildResult result);
    // The row fails without a run, for `reason`.
    void failRow(int rowIndex, Reason reason);
    // The output folder cannot be made: says so and marks the row.
    void folderFailed(int rowIndex, bool checked, const BuildResult& result);
    void log(int rowIndex, const EncoderRun& request, const RunOutcome& outcome, bool retried = false);
    bool stopped() const;
    void endSteps();

    SharedState& shared_;
    FileList& files_;
    ConversionFrontEnd& frontEnd_;
    std::function<JobSlot(int)> slot_;
    int cores_;
    std::function<double()> idleCores_;
    CropFinder findCrop_;
    bool anyJobStarted_ = false;
    int jobsAtOnce_ = 1;
    // While more than one job may run: what the bar and the panel show.
    std::optional<BatchDisplay> display_;

    std::mutex namesLock_;
    // Paths this run's jobs must not write: the rows' inputs and the
    // outputs of the other jobs.
    OutputReservations names_;

    std::mutex lock_;
    std::condition_variable jobEnded_;
    BatchTally tally_;
    std::vector<Running> running_;
    bool walkEnded_ = false;   // a job ended the walk
    std::exception_ptr fault_; // what a job's thread failed with
};
