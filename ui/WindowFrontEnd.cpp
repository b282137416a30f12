// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowFrontEnd.h"

#include "core/Messages.h"
#include "core/RequiredFiles.h"
#include "core/profiles/FitSizeEntries.h"
#include "core/Texts.h"
#include "platform/OnThreadOf.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/BatchStatus.h"
#include "ui/BusyLock.h"
#include "ui/ConversionLogDialog.h"
#include "ui/ListCommands.h"
#include "ui/MainWindow.h"
#include "ui/ProfileView.h"
#include "ui/ShutdownCountdown.h"
#include "ui/StatusBarPanels.h"

#include <optional>
#include <set>
#include <utility>

namespace {

constexpr int kFrameMs = 16;

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

// Reports of which only the latest counts, as long as nothing else comes
// between them, by kind (and row); nothing for any other report.
std::optional<std::pair<int, int>> FoldKey(const ConversionEvent& event)
{
    if (const auto* progress = std::get_if<events::Progressed>(&event))
        return std::pair{0, progress->row};
    if (std::holds_alternative<events::BarMoved>(event))
        return std::pair{1, 0};
    if (std::holds_alternative<events::SizeShown>(event))
        return std::pair{2, 0};
    return std::nullopt;
}

// Leaves out each foldable report that a later one of its key replaces
// before a report of another kind comes.
std::vector<ConversionEvent> Folded(std::vector<ConversionEvent> queued)
{
    std::vector<ConversionEvent> kept;
    std::set<std::pair<int, int>> later;
    for (auto event = queued.rbegin(); event != queued.rend(); ++event) {
        const auto key = FoldKey(*event);
        if (!key)
            later.clear();
        else if (!later.insert(*key).second)
            continue;
        kept.push_back(std::move(*event));
    }
    return {std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend())};
}

} // namespace

WindowFrontEnd::WindowFrontEnd(const WindowParts& parts, std::string appDir, QObject* parent)
    : QObject(parent)
    , parts_(parts)
    , appDir_(std::move(appDir))
{
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    connect(&frame_, &QTimer::timeout, this, &WindowFrontEnd::showQueued);
}

void WindowFrontEnd::report(const ConversionEvent& event)
{
    const auto* progress = std::get_if<events::Progressed>(&event);
    // The window shows nothing of a report without a percentage.
    if (progress != nullptr && !progress->percent)
        return;
    std::lock_guard guard(queueLock_);
    queued_.push_back(event);
    if (queued_.size() == 1)
        QMetaObject::invokeMethod(&frame_, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

void WindowFrontEnd::showQueued()
{
    std::vector<ConversionEvent> queued;
    {
        std::lock_guard guard(queueLock_);
        queued.swap(queued_);
    }
    for (const ConversionEvent& event : Folded(std::move(queued)))
        show(event);
}

void WindowFrontEnd::show(const ConversionEvent& event)
{
    std::visit(Overloaded{
                   [this](const events::BatchStarted& started) { showBatchStarted(started); },
                   [this](const events::JobStarted& started) {
                       parts_.busyLock.lock();
                       parts_.window.scrollToRow(started.row);
                       parts_.batchStatus.jobStarted(started.row);
                   },
                   [this](const events::RunStarted& run) {
                       parts_.batchStatus.runStarted(run.row, run.attempt, run.thumbnail);
                   },
                   [this](const events::Progressed& progress) {
                       parts_.batchStatus.progressed(progress.row, *progress.percent);
                   },
                   [this](const events::BarMoved& bar) {
                       ++barChanges_;
                       parts_.window.setProgress(bar.position);
                   },
                   [this](const events::BarResetSoon&) { resetBarSoon(); },
                   [this](const events::SizeShown& size) {
                       const std::string text = size.kilobytes ? texts::kOutputSizePrefix
                               + std::to_string(*size.kilobytes) + texts::kOutputSizeSuffix
                                                               : std::string();
                       parts_.window.setStatusPanelText(1, QString::fromStdString(text));
                   },
                   [this](const events::RunLogged& logged) { parts_.log.add(logged.record); },
                   [this](const events::JobEnded& ended) { parts_.batchStatus.jobEnded(ended.row, ended.outcome); },
                   [this](const events::MuteReset&) { parts_.profile.resetMuteAudio(); },
                   [this](const events::BatchEnded& ended) { showBatchEnded(ended); },
               },
               event);
}

void WindowFrontEnd::showBatchStarted(const events::BatchStarted& started)
{
    parts_.window.setStartControlsEnabled(false);
    parts_.window.setBatchRunning(true);
    parts_.listCommands.setAutoPopup(false);
    parts_.window.statusPanels().setBatchRunning(true);
    parts_.batchStatus.batchStarted(started.jobs);
}

void WindowFrontEnd::showBatchEnded(const events::BatchEnded& ended)
{
    // A Stop question still open has nothing left to stop.
    parts_.messages.closeQuestion(texts::kStopQuestion);
    parts_.window.setStartControlsEnabled(true);
    parts_.window.setBatchRunning(false);
    parts_.listCommands.setAutoPopup(true);
    parts_.window.statusPanels().setBatchRunning(false);
    parts_.batchStatus.batchEnded();
    parts_.busyLock.unlock();
    if (ended.countdown)
        parts_.countdown.start();
}

void WindowFrontEnd::resetBarSoon()
{
    const int due = ++barChanges_;
    QTimer::singleShot(kFullBarMs, this, [this, due] {
        if (barChanges_ == due)
            parts_.window.setProgress(0);
    });
}

bool WindowFrontEnd::checkRequiredFiles()
{
    return OnThreadOf(this, [this] {
        showQueued();
        return CheckRequiredFiles(appDir_, parts_.messages);
    });
}

ConversionChoices WindowFrontEnd::choices()
{
    return OnThreadOf(this, [this] {
        showQueued();
        ConversionChoices choices = TakeChoices(parts_.profile.state(), parts_.profile.volumeFactor(),
                                                parts_.window.outputDir().toStdString(), parts_.options.overwrite(),
                                                appDir_);
        choices.audioLanguage = parts_.options.audioLanguage();
        choices.folderCover = parts_.options.folderCover();
        choices.fitCustomBytes = MegabytesToBytes(parts_.options.fitSizeMegabytes());
        return choices;
    });
}

int WindowFrontEnd::jobsAtOnce()
{
    return OnThreadOf(this, [this] {
        showQueued();
        return parts_.options.jobsAtOnce();
    });
}

bool WindowFrontEnd::shutdownChecked()
{
    return OnThreadOf(this, [this] {
        showQueued();
        return parts_.options.shutDown();
    });
}

void WindowFrontEnd::information(const std::string& text)
{
    OnThreadOf(this, [&] {
        showQueued();
        parts_.messages.information(text);
    });
}

void WindowFrontEnd::closingMessage(const std::string& text)
{
    OnThreadOf(this, [&] {
        showQueued();
        parts_.messages.closeQuestion(texts::kStopQuestion);
        if (parts_.batchStatus.running())
            parts_.batchStatus.showClosingMessage(text);
        else
            parts_.messages.information(text);
    });
}
