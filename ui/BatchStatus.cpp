// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BatchStatus.h"

#include "core/BatchStatusText.h"
#include "core/Messages.h"
#include "core/Texts.h"
#include "ui/DesktopNotifier.h"
#include "ui/MainWindow.h"

#include <algorithm>
#include <cmath>

namespace {

// The time left is brought up to date this often while no progress comes.
constexpr int kTickMs = 1000;

} // namespace

BatchStatus::BatchStatus(MainWindow& window, Messages& messages, QObject* parent)
    : QObject(parent)
    , window_(window)
    , messages_(messages)
    , clock_([this] { return elapsed_.elapsed() / 1000.0; })
{
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &BatchStatus::refresh);
}

void BatchStatus::batchStarted(const BatchJobs& jobs)
{
    jobs_ = jobs;
    elapsed_.start();
    timeLeft_.emplace(jobs_.durations, clock_());
    outcomes_.assign(jobs_.rows.size(), RowOutcome::None);
    currentJob_ = -1;
    ticker_.start();
    refresh();
}

void BatchStatus::jobStarted(int row)
{
    if (!running())
        return;
    currentJob_ = jobs_.jobOf(row);
    refresh();
}

void BatchStatus::runStarted(int row, int attempt, bool thumbnail)
{
    const int job = jobs_.jobOf(row);
    if (!running() || job < 0)
        return;
    timeLeft_->runStarted(job, attempt, thumbnail, clock_());
    refresh();
}

void BatchStatus::progressed(int row, int percent)
{
    const int job = jobs_.jobOf(row);
    if (!running() || job < 0)
        return;
    timeLeft_->progressed(job, percent, clock_());
    refresh();
}

void BatchStatus::jobEnded(int row, RowOutcome outcome)
{
    const int job = jobs_.jobOf(row);
    if (!running() || job < 0)
        return;
    outcomes_[static_cast<std::size_t>(job)] = outcome;
    timeLeft_->jobEnded(job, clock_());
    refresh();
}

void BatchStatus::refresh()
{
    if (!running())
        return;
    const int shown = std::max(currentJob_, 0) + 1;
    window_.setStatusPanelText(0, QString::fromStdString(ConvertingText(std::min(shown, timeLeft_->jobCount()),
                                                                        timeLeft_->jobCount())));
    window_.setStatusPanelText(2, QString::fromStdString(TimeLeftText(timeLeft_->secondsLeft(clock_()))));
    const int percent = static_cast<int>(std::floor(timeLeft_->batchDone() * 100));
    window_.setWindowTitle(QString::fromStdString(TitleWithPercent(percent, texts::kMainCaption)));
    emit changed();
}

void BatchStatus::showClosingMessage(const std::string& text)
{
    finish();
    if (messages_.informationWithButton(text, texts::kOpenOutputFolder))
        emit openOutputFolderRequested();
}

void BatchStatus::batchEnded()
{
    finish();
}

void BatchStatus::finish()
{
    if (!running())
        return;
    ticker_.stop();
    // An incomplete file was converted as far as its source allowed, and kept.
    const int converted = static_cast<int>(std::count(outcomes_.begin(), outcomes_.end(), RowOutcome::Done)
                                           + std::count(outcomes_.begin(), outcomes_.end(), RowOutcome::Incomplete));
    const int failed = static_cast<int>(std::count(outcomes_.begin(), outcomes_.end(), RowOutcome::Failed));
    const int notConverted = static_cast<int>(outcomes_.size()) - converted - failed;
    const std::string summary = BatchSummaryText(converted, failed, notConverted);
    timeLeft_.reset();
    window_.setStatusPanelText(0, QString::fromStdString(summary));
    window_.setStatusPanelText(2, QString());
    window_.setWindowTitle(texts::kMainCaption);
    emit changed();
    if (notifier_ != nullptr && !window_.isActiveWindow())
        notifier_->notify(texts::kMainCaption, QString::fromStdString(summary));
}
