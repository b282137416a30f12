// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/BatchDisplay.h"

#include "core/ConversionFrontEnd.h"
#include "core/SharedState.h"

#include <cmath>

BatchDisplay::BatchDisplay(ConversionFrontEnd& frontEnd, const SharedState& shared, BatchJobs jobs)
    : frontEnd_(frontEnd)
    , shared_(shared)
    , jobs_(std::move(jobs))
    , estimate_(jobs_.durations)
{
}

void BatchDisplay::percent(int row, int percent)
{
    std::lock_guard guard(lock_);
    estimate_.setJobDone(jobs_.jobOf(row), percent / 100.0);
    showBar();
}

void BatchDisplay::sized(int row, std::optional<long long> kilobytes)
{
    std::lock_guard guard(lock_);
    if (kilobytes)
        sizes_[row] = *kilobytes;
    else
        sizes_.erase(row);
    showSize();
}

void BatchDisplay::ended(int row)
{
    std::lock_guard guard(lock_);
    estimate_.setJobDone(jobs_.jobOf(row), 1.0);
    // The panel keeps its figure until a running job reports again.
    sizes_.erase(row);
    showBar();
}

void BatchDisplay::showBar()
{
    const int percent = static_cast<int>(std::floor(estimate_.batchDone() * 100));
    if (percent == shownPercent_ || shared_.stopRequested)
        return;
    shownPercent_ = percent;
    frontEnd_.report(events::BarMoved{percent});
}

void BatchDisplay::showSize()
{
    if (sizes_.empty()) {
        frontEnd_.report(events::SizeShown{});
        return;
    }
    long long total = 0;
    for (const auto& [row, kilobytes] : sizes_)
        total += kilobytes;
    frontEnd_.report(events::SizeShown{total});
}
