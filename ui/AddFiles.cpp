// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AddFiles.h"

#include "core/DroppedFiles.h"
#include "core/FileList.h"
#include "core/Messages.h"
#include "core/OpenDialogFilter.h"
#include "core/RequiredFiles.h"
#include "core/SharedState.h"
#include "core/Texts.h"
#include "media/MeasureFile.h"
#include "media/MediaContentCheck.h"
#include "media/MediaInfoInspector.h"
#include "media/ReadableExtensions.h"
#include "platform/PumpMessages.h"
#include "ui/AnalysisProgressDialog.h"
#include "ui/BusyLock.h"
#include "ui/MainWindow.h"
#include "ui/StatusBarPanels.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>


namespace {

// The pause before and after each file, in which the splash repaints and
// Cancel can be pressed.
constexpr int kPauseAroundFileMs = 100;

} // namespace

std::optional<QStringList> ChooseFilesWithDialog(QWidget* parent, const QStringList& nameFilters, const QString& startFolder)
{
    QFileDialog dialog(parent);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    dialog.setObjectName("OpenDialog1");
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters);
    dialog.selectNameFilter(nameFilters.value(0));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
}

AddFilesHandler::AddFilesHandler(const Parts& parts, QString& lastFolder, QObject* parent)
    : QObject(parent)
    , parts_(parts)
    , videoInfo_(new MediaInfoInspector(&parts.window))
    , lastFolder_(lastFolder)
    , chooseFiles_(ChooseFilesWithDialog)
    , readable_(ReadableExtensions())
{
    videoInfo_->setObjectName("VideoInfo");
    connect(&parts.window, &MainWindow::addFilesRequested, this, &AddFilesHandler::addFiles);
}

void AddFilesHandler::addFiles()
{
    addChosen([this]() -> std::optional<QStringList> {
        auto files = chooseFiles_(&parts_.window, QtNameFilters(OfferedFilterEntries(readable_)),
                                  lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_);
        if (files && !files->isEmpty())
            lastFolder_ = QFileInfo(files->first()).absolutePath();
        return files;
    });
}

void AddFilesHandler::addDropped(const QStringList& paths)
{
    if (!acceptsFiles())
        return;
    addChosen([&]() -> std::optional<QStringList> {
        std::vector<std::string> dropped;
        for (const QString& path : paths)
            dropped.push_back(path.toStdString());
        QStringList files;
        for (const std::string& file : ExpandDroppedPaths(dropped, MediaExtensions(readable_)))
            files << QString::fromStdString(file);
        return files;
    });
}

bool AddFilesHandler::acceptsFiles() const
{
    return parts_.window.addFilesEnabled() && !parts_.state.isConverting && !parts_.state.analysisBusy;
}

void AddFilesHandler::addChosen(const std::function<std::optional<QStringList>()>& choose)
{
    parts_.busyLock.lock();
    if (!CheckRequiredFiles(parts_.state.appDir, parts_.messages)) {
        parts_.busyLock.unlock();
        return;
    }
    const auto files = choose();
    if (!files || files->isEmpty()) {
        parts_.busyLock.unlock();
        return;
    }
    startAnalysis();
    Left left;
    for (const QString& path : *files) {
        parts_.splash.setFileName(QFileInfo(path).fileName());
        // Cancel takes effect here, before the next file: the file under way
        // when it was pressed has been finished and added.
        if (!parts_.state.keepAnalyzing)
            break;
        measureAndAdd(path, left);
    }
    endAnalysis();
    tellLeft(left);
}

void AddFilesHandler::tellLeft(const Left& left)
{
    if (left.listed > 0)
        parts_.window.statusPanels().showNotice(
            texts::kSkippedPrefix + QString::number(left.listed)
            + (left.listed == 1 ? texts::kAlreadyListedOne : texts::kAlreadyListedMany));
    if (!left.refused.isEmpty())
        parts_.messages.information(
            (QStringList(texts::kNotAddedHeadline) + left.refused).join('\n').toStdString());
}

void AddFilesHandler::startAnalysis()
{
    parts_.state.analysisBusy = true;
    parts_.splash.showCentred();
    parts_.window.setStartControlsEnabled(false);
    parts_.state.keepAnalyzing = true;
}

void AddFilesHandler::endAnalysis()
{
    parts_.state.analysisBusy = false;
    parts_.splash.close();
    parts_.window.setStartControlsEnabled(true);
    parts_.state.keepAnalyzing = false;
    parts_.busyLock.unlock();
}

void AddFilesHandler::measureAndAdd(const QString& path, Left& left)
{
    const std::string file = path.toStdString();
    for (const FileRow& row : parts_.files.rows()) {
        if (row.caption == file) {
            ++left.listed;
            return;
        }
    }
    if (const auto reason = NotMediaReason(file)) {
        left.refused << QFileInfo(path).fileName() + " " + QString::fromStdString(*reason);
        return;
    }
    const int currentRowIndex = parts_.files.size();
    platform::PumpMessagesFor(kPauseAroundFileMs);
    const auto row = MeasureFile(path.toStdString(), parts_.state.appDir, parts_.window.formatIndex(),
                                 WaitStyle::KeepWindowAlive, *videoInfo_);
    if (row)
        parts_.files.append(*row);
    parts_.window.scrollToRow(currentRowIndex);
    platform::PumpMessagesFor(kPauseAroundFileMs);
}
