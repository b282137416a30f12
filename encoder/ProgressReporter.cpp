// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/ProgressReporter.h"

#include <algorithm>

namespace ridod2e {
namespace {

// A little under half a second, so that the time one frame takes does not
// push the gap between two reports over it.
constexpr auto ReportInterval = std::chrono::milliseconds(400);

} // namespace

ProgressReporter::ProgressReporter(Console& console, bool video, bool inputReadTwice)
    : console_(console),
      video_(video),
      inputReadTwice_(inputReadTwice),
      started_(Clock::now()),
      lastReport_(started_)
{
}

void ProgressReporter::reached(double inputSeconds)
{
    reached_ = reached_ ? std::max(*reached_, inputSeconds) : inputSeconds;
}

double ProgressReporter::timeShown(double outputSeconds) const
{
    const double input = reached_.value_or(0);
    if (inputReadTwice_)
        return (std::max(input, 0.0) + outputSeconds) / 2;
    return outputSeconds > 0 ? outputSeconds : std::min(input, 0.0);
}

void ProgressReporter::tick(int64_t frames, double quality, int64_t bytes, double seconds)
{
    if (Clock::now() - lastReport_ >= ReportInterval)
        report(frames, quality, bytes, seconds, false);
}

void ProgressReporter::last(int64_t frames, double quality, int64_t bytes, double seconds)
{
    report(frames, quality, bytes, seconds, true);
}

void ProgressReporter::report(int64_t frames, double quality, int64_t bytes, double seconds, bool last)
{
    const Clock::time_point now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - started_).count();
    ProgressSnapshot snapshot;
    snapshot.video = video_ && (frames > 0 || !inputReadTwice_);
    snapshot.frames = frames;
    snapshot.framesPerSecond = elapsed > 0 ? frames / elapsed : 0;
    snapshot.quality = quality;
    snapshot.bytes = bytes;
    snapshot.seconds = last ? seconds : timeShown(seconds);
    console_.progress(ProgressLine(snapshot), last);
    lastReport_ = now;
}

} // namespace ridod2e
