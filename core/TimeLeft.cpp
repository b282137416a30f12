// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TimeLeft.h"

#include <algorithm>
#include <cmath>

namespace {

// A tail taking longer than expected still leaves this much of it to come.
constexpr double kLeastTailLeft = 0.1;

} // namespace

void TimeLeft::Mean::add(double value)
{
    sum += value;
    ++count;
}

std::optional<double> TimeLeft::Mean::value() const
{
    if (count == 0)
        return std::nullopt;
    return sum / count;
}

TimeLeft::TimeLeft(const std::vector<double>& durations, double now)
    : estimate_(durations)
    , jobs_(durations.size())
    , start_(now)
    , last_(now)
{
}

TimeLeft::Job* TimeLeft::job(int index)
{
    if (index < 0 || index >= jobCount())
        return nullptr;
    return &jobs_[static_cast<std::size_t>(index)];
}

int TimeLeft::underWay() const
{
    return static_cast<int>(
        std::count_if(jobs_.begin(), jobs_.end(), [](const Job& job) { return job.started && !job.ended; }));
}

void TimeLeft::advance(double now)
{
    const double passed = std::max(now - last_, 0.0);
    const int sharing = underWay();
    for (Job& job : jobs_) {
        if (job.started && !job.ended)
            job.machine += passed / sharing;
    }
    last_ = std::max(last_, now);
}

void TimeLeft::runStarted(int index, int attempt, bool thumbnail, double now)
{
    Job* state = job(index);
    if (state == nullptr)
        return;
    advance(now);
    if (thumbnail) {
        state->encoded = state->encoded.value_or(state->machine);
        state->part = 1;
        estimate_.setJobDone(index, 1);
        return;
    }
    if (attempt > 1)
        *state = Job{};
    state->started = true;
    estimate_.setJobDone(index, state->part);
}

void TimeLeft::progressed(int index, int percent, double now)
{
    Job* state = job(index);
    // A report that comes after its job's end changes nothing.
    if (state == nullptr || state->ended)
        return;
    advance(now);
    state->started = true;
    const double part = std::clamp(percent / 100.0, 0.0, 1.0);
    const double weight = estimate_.weight(index);
    if (!state->reported) {
        state->reported = true;
        heads_.add(state->machine);
        firstReport_ = firstReport_.value_or(now);
    }
    if (!state->encoded) {
        const Stretch before = stretches_.empty() ? Stretch{} : stretches_.back();
        stretches_.push_back({now, before.work + weight * std::max(part - state->part, 0.0),
                              before.machine + state->machine - state->reportedMachine});
    }
    state->reportedMachine = state->machine;
    if (part >= 1 && !state->encoded)
        state->encoded = state->machine;
    state->part = part;
    estimate_.setJobDone(index, part);
}

void TimeLeft::jobEnded(int index, double now)
{
    Job* state = job(index);
    if (state == nullptr)
        return;
    advance(now);
    if (state->encoded)
        tails_.add(state->machine - *state->encoded);
    state->part = 1;
    state->ended = true;
    estimate_.setJobDone(index, 1);
}

std::optional<double> TimeLeft::pace(double now) const
{
    if (!firstReport_ || stretches_.empty())
        return std::nullopt;
    const double from = now - (now - *firstReport_) / 2;
    auto first = std::lower_bound(stretches_.begin(), stretches_.end(), from,
                                  [](const Stretch& stretch, double time) { return stretch.until < time; });
    // With no report in the later half, the latest stretch is all there is to go by.
    if (first == stretches_.end())
        --first;
    const Stretch before = first == stretches_.begin() ? Stretch{} : *(first - 1);
    const double work = stretches_.back().work - before.work;
    const double machine = stretches_.back().machine - before.machine;
    if (work <= 0 || machine <= 0)
        return std::nullopt;
    return work / machine;
}

std::optional<int> TimeLeft::secondsLeft(double now) const
{
    if (now - start_ < BatchEstimate::kMinElapsedSeconds || batchDone() < BatchEstimate::kMinBatchDone)
        return std::nullopt;
    const auto workPerSecond = pace(now);
    if (!workPerSecond)
        return std::nullopt;
    // A stretch of work means a job has reported: its head is known.
    const double tail = tails_.value().value_or(*heads_.value());
    const int sharing = underWay();
    const double pending = sharing > 0 ? std::max(now - last_, 0.0) / sharing : 0;
    double left = 0;
    for (int index = 0; index < jobCount(); ++index) {
        const Job& job = jobs_[static_cast<std::size_t>(index)];
        if (job.ended)
            continue;
        const double machine = job.started ? job.machine + pending : 0;
        const double weight = estimate_.weight(index);
        if (job.encoded)
            left += std::max(tail - (machine - *job.encoded), kLeastTailLeft * tail);
        else if (job.reported)
            left += weight * (1 - job.part) / *workPerSecond + tail;
        else
            left += std::max(weight / *workPerSecond - machine, 0.0) + tail;
    }
    return static_cast<int>(std::lround(left));
}
