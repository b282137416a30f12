// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/JobPlanner.h"

JobPlanner::JobPlanner(const std::string& inputPath)
    : inputPath_(inputPath)
{
}

std::optional<PlannedRun> JobPlanner::next() const
{
    const InputOptions first = FirstAttemptOptions(inputPath_);
    const InputOptions second = SecondAttemptOptions(inputPath_, first);
    switch (step_) {
    case Step::First:
        return PlannedRun{RunKind::FirstAttempt, first};
    case Step::ThumbnailAfterFirst:
        return PlannedRun{RunKind::Thumbnail, first};
    case Step::Second:
        return PlannedRun{RunKind::SecondAttempt, second};
    case Step::ThumbnailAfterSecond:
        return PlannedRun{RunKind::Thumbnail, second};
    case Step::Done:
        break;
    }
    return std::nullopt;
}

void JobPlanner::finished(bool retryDue, bool thumbnailDue)
{
    switch (step_) {
    case Step::First:
        step_ = retryDue ? Step::Second : thumbnailDue ? Step::ThumbnailAfterFirst : Step::Done;
        break;
    case Step::Second:
        step_ = thumbnailDue ? Step::ThumbnailAfterSecond : Step::Done;
        break;
    case Step::ThumbnailAfterFirst:
    case Step::ThumbnailAfterSecond:
    case Step::Done:
        step_ = Step::Done;
        break;
    }
}

bool JobPlanner::retryLeft() const
{
    return step_ == Step::First;
}
