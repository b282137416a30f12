#include "ui/GuiConversionHost.h"

#include "ui/BatchStatus.h"
#include "ui/BusyLock.h"
#include "ui/ConversionLogDialog.h"
#include "ui/FileListRows.h"
#include "ui/ListCommands.h"
#include "core/Messages.h"
#include "core/RequiredFiles.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "platform/OnThreadOf.h"
#include "ui/ShutdownCountdown.h"
#include "ui/ProfileView.h"
#include "ui/StatusBarPanels.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

GuiConversionHost::GuiConversionHost(MainWindow& window, AdditionalOptionsDialog& options, BusyLock& busyLock, ListCommands& listCommands,
                                     Messages& messages, ShutdownCountdown& countdown, ConversionLogDialog& log,
                                     std::string appDir)
    : window_(window)
    , options_(options)
    , busyLock_(busyLock)
    , listCommands_(listCommands)
    , messages_(messages)
    , countdown_(countdown)
    , log_(log)
    , appDir_(std::move(appDir))
{
}

std::vector<FileRow> GuiConversionHost::rows()
{
    return OnThreadOf(&window_, [this] {
        const QTableWidget& list = *window_.fileList;
        std::vector<FileRow> rows;
        for (int row = 0; row < list.rowCount(); ++row)
            rows.push_back(ReadFileRow(list, row));
        return rows;
    });
}

void GuiConversionHost::setCell(int row, FileColumn column, const std::string& text)
{
    OnThreadOf(&window_, [&] {
        SetFileCell(*window_.fileList, row, column, text);
        if (batchStatus_ != nullptr)
            batchStatus_->cellChanged(row, column, text);
    });
}

void GuiConversionHost::setReason(int row, const std::string& reason)
{
    OnThreadOf(&window_, [&] { SetRowReason(*window_.fileList, row, reason); });
}

void GuiConversionHost::logRun(const RunRecord& record)
{
    OnThreadOf(&window_, [&] { log_.add(record); });
}

std::string GuiConversionHost::frameCell(int row)
{
    return OnThreadOf(&window_, [&] {
        const QTableWidget& list = *window_.fileList;
        if (row < 0 || row >= list.rowCount())
            return std::string();
        return ReadFileRow(list, row).cell(FileColumn::Frames);
    });
}

void GuiConversionHost::scrollToRow(int row)
{
    OnThreadOf(&window_, [&] { ScrollRowIntoView(*window_.fileList, row); });
}

void GuiConversionHost::jobStarted(int row)
{
    OnThreadOf(&window_, [&] {
        if (batchStatus_ != nullptr)
            batchStatus_->jobStarted(row);
    });
}

void GuiConversionHost::setProgressBar(int position)
{
    // The bar holds values outside its range at its ends.
    OnThreadOf(&window_, [&] {
        ++barChanges_;
        window_.progressBar->setValue(std::clamp(position, 0, 100));
    });
}

void GuiConversionHost::resetProgressBarSoon()
{
    OnThreadOf(&window_, [this] {
        const int due = ++barChanges_;
        QTimer::singleShot(kFullBarMs, &barTimers_, [this, due] {
            if (barChanges_ == due)
                window_.progressBar->setValue(0);
        });
    });
}

void GuiConversionHost::setStatusPanel(const std::string& text)
{
    OnThreadOf(&window_, [&] { window_.setStatusPanelText(1, QString::fromStdString(text)); });
}

void GuiConversionHost::information(const std::string& text)
{
    OnThreadOf(&window_, [&] { messages_.information(text); });
}

void GuiConversionHost::closingMessage(const std::string& text)
{
    OnThreadOf(&window_, [&] {
        if (batchStatus_ != nullptr && batchStatus_->running())
            batchStatus_->showClosingMessage(text);
        else
            messages_.information(text);
    });
}

bool GuiConversionHost::checkRequiredFiles()
{
    return OnThreadOf(&window_, [this] { return CheckRequiredFiles(appDir_, messages_); });
}

void GuiConversionHost::lock()
{
    OnThreadOf(&window_, [this] { busyLock_.lock(); });
}

void GuiConversionHost::unlock()
{
    OnThreadOf(&window_, [this] { busyLock_.unlock(); });
}

void GuiConversionHost::setStartControlsEnabled(bool enabled)
{
    OnThreadOf(&window_, [&] {
        window_.convertButton->setEnabled(enabled);
        listCommands_.setAutoPopup(enabled);
        window_.addFilesButton->setEnabled(enabled);
        window_.statusPanels->setBatchRunning(!enabled);
        if (batchStatus_ != nullptr && !enabled)
            batchStatus_->batchStarted(rows());
        else if (batchStatus_ != nullptr)
            batchStatus_->batchEnded();
    });
}

bool GuiConversionHost::shutdownChecked()
{
    return OnThreadOf(&window_, [this] { return options_.shutdownCheck->isChecked(); });
}

void GuiConversionHost::startCountdown()
{
    OnThreadOf(&window_, [this] { countdown_.start(); });
}

ConversionChoices GuiConversionHost::choices()
{
    return OnThreadOf(&window_, [this] {
        ProfileView& view = *window_.profileView;
        ConversionChoices choices = TakeChoices(view.State(), view.VolumeFactor(),
                                                window_.outputDirEdit->text().toStdString(),
                                                options_.overwriteCheck->isChecked(), appDir_);
        choices.audioLanguage = options_.audioLanguage();
        return choices;
    });
}

void GuiConversionHost::resetMuteAudio()
{
    OnThreadOf(&window_, [this] { window_.profileView->ResetMuteAudio(); });
}

int GuiConversionHost::jobsAtOnce()
{
    return OnThreadOf(&window_, [this] { return options_.jobsAtOnce(); });
}
