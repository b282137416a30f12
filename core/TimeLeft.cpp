// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TimeLeft.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// A tail taking longer than expected still leaves this much of it to come.
constexpr double kLeastTailLeft = 0.1;

} // namespace

TimeLeft::TimeLeft(const std::vector<double>& durations, double now)
    : estimate_(durations)
    , jobs_(durations.size())
    , start_(now)
{
}

void TimeLeft::runStarted(int job, int attempt, bool thumbnail, double now)
{
    if (job < 0 || job >= jobCount())
        return;
    Job& state = jobs_[static_cast<std::size_t>(job)];
    if (thumbnail) {
        state.encoded = state.encoded.value_or(now);
        state.part = 1;
        estimate_.setJobDone(job, 1);
        return;
    }
    if (!state.started)
        state.started = now;
    if (attempt > 1) {
        state.part = 0;
        state.reported.reset();
        state.reports.clear();
        state.encoded.reset();
        estimate_.setJobDone(job, 0);
    }
    updateRunning();
}

void TimeLeft::progressed(int job, int percent, double now)
{
    if (job < 0 || job >= jobCount())
        return;
    Job& state = jobs_[static_cast<std::size_t>(job)];
    state.started = state.started.value_or(now);
    state.part = std::clamp(percent / 100.0, 0.0, 1.0);
    state.reported = state.reported.value_or(now);
    state.reports.emplace_back(now, state.part);
    if (percent >= 100 && !state.encoded)
        state.encoded = now;
    estimate_.setJobDone(job, state.part);
    updateRunning();
}

void TimeLeft::jobEnded(int job, double now)
{
    if (job < 0 || job >= jobCount())
        return;
    Job& state = jobs_[static_cast<std::size_t>(job)];
    if (state.started && state.encoded && *state.encoded > *state.started)
        tailShares_.push_back((now - *state.encoded) / (*state.encoded - *state.started));
    state.part = 1;
    state.ended = true;
    estimate_.setJobDone(job, 1);
}

void TimeLeft::updateRunning()
{
    const auto running = std::count_if(jobs_.begin(), jobs_.end(),
                                       [](const Job& job) { return job.started && !job.ended; });
    mostAtOnce_ = std::max(mostAtOnce_, static_cast<int>(running));
}

double TimeLeft::tailShare() const
{
    if (tailShares_.empty())
        return kFirstTailShare;
    return std::accumulate(tailShares_.begin(), tailShares_.end(), 0.0) / static_cast<double>(tailShares_.size());
}

std::optional<int> TimeLeft::secondsLeft(double now) const
{
    // The encoders' pace since their first reports, and how long their heads took.
    double encodingSeconds = 0;
    double encodedWork = 0;
    double headSeconds = 0;
    int heads = 0;
    for (int index = 0; index < jobCount(); ++index) {
        const Job& job = jobs_[static_cast<std::size_t>(index)];
        if (!job.started || !job.reported)
            continue;
        headSeconds += *job.reported - *job.started;
        ++heads;
        // The pace of the later half of the job's encoding so far.
        const double end = job.encoded.value_or(now);
        const double middle = *job.reported + (end - *job.reported) / 2;
        const auto anchor = std::find_if(job.reports.begin(), job.reports.end(),
                                         [&](const auto& report) { return report.first >= middle; });
        const auto& [anchorTime, anchorPart] = anchor != job.reports.end() && anchor->second < job.part
            ? *anchor
            : job.reports.front();
        encodingSeconds += end - anchorTime;
        encodedWork += estimate_.weight(index) * (job.part - anchorPart);
    }
    if (now - start_ < BatchEstimate::kMinElapsedSeconds || encodingSeconds <= 0 || encodedWork <= 0
        || batchDone() < BatchEstimate::kMinBatchDone)
        return std::nullopt;
    const double secondsPerWork = encodingSeconds / encodedWork;
    const double head = headSeconds / heads;
    const double tail = tailShare();
    double left = 0;
    for (int index = 0; index < jobCount(); ++index) {
        const Job& job = jobs_[static_cast<std::size_t>(index)];
        if (job.ended)
            continue;
        const double encoding = estimate_.weight(index) * (1 - job.part) * secondsPerWork;
        const double ran = job.started ? now - *job.started : 0;
        const double headLeft = job.reported ? 0 : std::max(head - ran, 0.0);
        // The tail's share is of the whole run before it, head included.
        const double tailLength = tail * (job.encoded ? *job.encoded - *job.started : ran + headLeft + encoding);
        const double tailLeft = job.encoded ? std::max(tailLength - (now - *job.encoded), kLeastTailLeft * tailLength)
                                            : tailLength;
        left += headLeft + encoding + tailLeft;
    }
    return static_cast<int>(std::lround(left / mostAtOnce_));
}
