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
    estimate_.emplace(jobs_.durations);
    outcomes_.assign(jobs_.rows.size(), RowOutcome::None);
    currentJob_ = -1;
    elapsed_.start();
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

void BatchStatus::attemptStarted(int row, int attempt)
{
    const int job = jobs_.jobOf(row);
    if (!running() || job < 0 || attempt == 1)
        return;
    estimate_->setJobDone(job, 0.0);
    refresh();
}

void BatchStatus::progressed(int row, int percent)
{
    const int job = jobs_.jobOf(row);
    if (!running() || job < 0)
        return;
    estimate_->setJobDone(job, std::min(percent, 100) / 100.0);
    refresh();
}

void BatchStatus::jobEnded(int row, RowOutcome outcome)
{
    const int job = jobs_.jobOf(row);
    if (!running() || job < 0)
        return;
    outcomes_[static_cast<std::size_t>(job)] = outcome;
    const bool over = outcome == RowOutcome::Done || outcome == RowOutcome::Incomplete || outcome == RowOutcome::Failed;
    estimate_->setJobDone(job, over ? 1.0 : 0.0);
    refresh();
}

void BatchStatus::refresh()
{
    if (!running())
        return;
    const int shown = std::max(currentJob_, 0) + 1;
    window_.setStatusPanelText(0, QString::fromStdString(ConvertingText(std::min(shown, estimate_->jobCount()),
                                                                        estimate_->jobCount())));
    window_.setStatusPanelText(2, QString::fromStdString(TimeLeftText(estimate_->secondsLeft(clock_()))));
    const int percent = static_cast<int>(std::floor(estimate_->batchDone() * 100));
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
    estimate_.reset();
    window_.setStatusPanelText(0, QString::fromStdString(summary));
    window_.setStatusPanelText(2, QString());
    window_.setWindowTitle(texts::kMainCaption);
    emit changed();
    if (notifier_ != nullptr && !window_.isActiveWindow())
        notifier_->notify(texts::kMainCaption, QString::fromStdString(summary));
}
