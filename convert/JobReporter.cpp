// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobReporter.h"

#include "convert/BatchDisplay.h"
#include "core/ConversionFrontEnd.h"
#include "core/FileList.h"
#include "core/Texts.h"

#include <algorithm>

JobReporter::JobReporter(FileList& files, ConversionFrontEnd& frontEnd)
    : files_(files)
    , frontEnd_(frontEnd)
{
}

void JobReporter::begin(int row, BatchDisplay* display)
{
    row_ = row;
    attempt_ = 1;
    pass_ = passes_ = 0;
    display_ = display;
}

void JobReporter::runStarted(int attempt, bool thumbnail)
{
    attempt_ = attempt;
    frontEnd_.report(events::RunStarted{row_, attempt, thumbnail});
    if (thumbnail)
        return;
    files_.setFrames(row_, std::nullopt);
    if (display_ != nullptr)
        display_->sized(row_, std::nullopt);
    else
        frontEnd_.report(events::SizeShown{});
}

void JobReporter::passStarted(int pass, int passes)
{
    pass_ = pass;
    passes_ = passes;
    files_.setStage(row_, passes > 1 ? texts::kPassOf + std::to_string(pass) + texts::kPassOfTotal + std::to_string(passes)
                                     : std::string());
}

void JobReporter::progressed(ProgressNumbers numbers)
{
    if (passes_ > 1 && numbers.percent)
        numbers.percent = ((pass_ - 1) * 100 + std::min(*numbers.percent, 100)) / passes_;
    if (numbers.framesReported)
        files_.setFrames(row_, numbers.frames);
    if (numbers.percent)
        files_.setPercent(row_, *numbers.percent);
    frontEnd_.report(
        events::Progressed{row_, attempt_, numbers.percent, numbers.frames, numbers.kilobytes, numbers.seconds});
    if (display_ != nullptr) {
        if (numbers.kilobytes)
            display_->sized(row_, numbers.kilobytes);
        if (numbers.percent)
            display_->percent(row_, *numbers.percent);
        return;
    }
    if (numbers.kilobytes)
        frontEnd_.report(events::SizeShown{numbers.kilobytes});
    if (numbers.percent)
        frontEnd_.report(events::BarMoved{*numbers.percent});
}

void JobReporter::judged(RowOutcome outcome)
{
    files_.setOutcome(row_, outcome);
}

// The batch's bar goes on from where it is.
void JobReporter::runEnded(bool stopped)
{
    if (display_ != nullptr || (!stopped && pass_ < passes_))
        return;
    if (!stopped)
        frontEnd_.report(events::BarMoved{100});
    frontEnd_.report(events::BarResetSoon{});
}

void JobReporter::outputNamed(const std::string& path)
{
    files_.setOutputPath(row_, path);
}

void JobReporter::ended(RowOutcome outcome, Reason reason)
{
    files_.setReason(row_, reason);
    if (display_ != nullptr)
        display_->ended(row_);
    frontEnd_.report(events::JobEnded{row_, outcome, std::move(reason)});
}
