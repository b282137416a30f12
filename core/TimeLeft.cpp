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
        return;
    }
    if (!state.started)
        state.started = now;
    if (attempt > 1) {
        state.part = 0;
        state.encoded.reset();
        estimate_.setJobDone(job, 0);
    }
}

void TimeLeft::progressed(int job, int percent, double now)
{
    if (job < 0 || job >= jobCount())
        return;
    Job& state = jobs_[static_cast<std::size_t>(job)];
    state.started = state.started.value_or(now);
    state.part = std::clamp(percent / 100.0, 0.0, 1.0);
    if (percent >= 100 && !state.encoded)
        state.encoded = now;
    estimate_.setJobDone(job, state.part);
}

void TimeLeft::jobEnded(int job, double now)
{
    if (job < 0 || job >= jobCount())
        return;
    Job& state = jobs_[static_cast<std::size_t>(job)];
    if (state.started && state.encoded && now > *state.started)
        tailShares_.push_back((now - *state.encoded) / (now - *state.started));
    state.part = 1;
    state.ended = true;
    estimate_.setJobDone(job, 1);
}

double TimeLeft::tailShare() const
{
    if (tailShares_.empty())
        return kFirstTailShare;
    return std::clamp(std::accumulate(tailShares_.begin(), tailShares_.end(), 0.0) / tailShares_.size(), 0.0, 0.9);
}

double TimeLeft::jobDone(const Job& job, double tail, double now) const
{
    if (job.ended)
        return 1;
    if (!job.encoded || !job.started)
        return job.part * (1 - tail);
    // The tail is expected to take its share of the job; its part grows with the time it has had.
    const double expected = tail / (1 - tail) * (*job.encoded - *job.started);
    const double tailPart = expected > 0 ? std::min(1 - kLeastTailLeft, (now - *job.encoded) / expected) : 0;
    return (1 - tail) + tail * tailPart;
}

std::optional<int> TimeLeft::secondsLeft(double now) const
{
    const double elapsed = now - start_;
    const double tail = tailShare();
    double total = 0;
    double done = 0;
    for (int job = 0; job < jobCount(); ++job) {
        total += estimate_.weight(job);
        done += estimate_.weight(job) * jobDone(jobs_[static_cast<std::size_t>(job)], tail, now);
    }
    const double part = total > 0 ? done / total : 0;
    if (elapsed < BatchEstimate::kMinElapsedSeconds || part < BatchEstimate::kMinBatchDone)
        return std::nullopt;
    return static_cast<int>(std::lround(elapsed * (1.0 - part) / part));
}
