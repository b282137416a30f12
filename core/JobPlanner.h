// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The runs of one job, in the order a conversion makes them: the first
// attempt; after a good first attempt the thumbnail run when the format has
// one; after a failed first attempt one retry with the other input reader,
// then the thumbnail run when due. A thumbnail run that fails asks for
// nothing more: the video is made, and converting it again would not bring
// a picture the thumbnail run could not find. The conversion queue and the
// dry run both walk each job through this plan, so the two can never differ.
#include "core/cmdline/InputOptions.h"

#include <optional>
#include <string>

enum class RunKind { FirstAttempt, SecondAttempt, Thumbnail };

struct PlannedRun {
    RunKind kind = RunKind::FirstAttempt;
    InputOptions options; // how the encoder reads the input
};

class JobPlanner {
public:
    explicit JobPlanner(const std::string& inputPath);

    // The run to make now; nothing once the job is over.
    std::optional<PlannedRun> next() const;

    // The run that next() gave has ended. `thumbnailDue` comes from the
    // attempt's command line; `retryDue` from the run's outcome (a thumbnail
    // run's is not looked at).
    void finished(bool retryDue, bool thumbnailDue = false);

    // Whether a failure of the run next() gives now would be tried again.
    bool retryLeft() const;

private:
    enum class Step { First, ThumbnailAfterFirst, Second, ThumbnailAfterSecond, Done };

    std::string inputPath_;
    Step step_ = Step::First;
};
