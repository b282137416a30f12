#include "ui/AddFiles.h"

#include "ui/Application.h"
#include "ui/BusyLock.h"
#include "ui/FileDropTarget.h"
#include "ui/ShellBinder.h"
#include "core/DroppedFiles.h"
#include "core/RequiredFiles.h"
#include "core/SharedState.h"
#include "ui/MainWindow.h"
#include "ui/FileListRows.h"
#include "media/MeasureFile.h"
#include "core/OpenDialogFilter.h"
#include "ui/AnalysisProgressDialog.h"
#include "media/MediaInfoInspector.h"
#include "platform/PumpMessages.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

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

AddFilesHandler::AddFilesHandler(SharedState& state, Messages& messages, MainWindow& window, AnalysisProgressDialog& splash,
                                 BusyLock& busyLock, QString& lastFolder)
    : QObject(&window)
    , state_(state)
    , messages_(messages)
    , window_(window)
    , splash_(splash)
    , busyLock_(busyLock)
    , videoInfo_(new MediaInfoInspector(&window))
    , lastFolder_(lastFolder)
    , chooseFiles_(ChooseFilesWithDialog)
{
}

void AddFilesHandler::AddFiles()
{
    addChosen([this]() -> std::optional<QStringList> {
        auto files = chooseFiles_(&window_, QtNameFilters(OfferedFilterEntries()), lastFolder_);
        if (files && !files->isEmpty())
            lastFolder_ = QFileInfo(files->first()).absolutePath();
        return files;
    });
}

void AddFilesHandler::AddDropped(const QStringList& paths)
{
    if (!acceptsFiles())
        return;
    addChosen([&]() -> std::optional<QStringList> {
        std::vector<std::string> dropped;
        for (const QString& path : paths)
            dropped.push_back(path.toStdString());
        QStringList files;
        for (const std::string& file : ExpandDroppedPaths(dropped, MediaExtensions()))
            files << QString::fromStdString(file);
        return files;
    });
}

bool AddFilesHandler::acceptsFiles() const
{
    return window_.addFilesButton->isEnabled() && window_.addFilesAction->isEnabled() && !state_.isConverting
        && !state_.analysisBusy;
}

void AddFilesHandler::addChosen(const std::function<std::optional<QStringList>()>& choose)
{
    busyLock_.lock();
    if (!CheckRequiredFiles(state_.appDir, messages_)) {
        busyLock_.unlock();
        return;
    }
    const auto files = choose();
    if (!files || files->isEmpty()) {
        busyLock_.unlock();
        return;
    }
    StartAnalysis();
    for (const QString& path : *files) {
        splash_.fileNameLabel->setText(QFileInfo(path).fileName());
        // Cancel takes effect here, before the next file: the file under way
        // when it was pressed has been finished and added.
        if (!state_.keepAnalyzing)
            break;
        MeasureAndAdd(path);
    }
    EndAnalysis();
}

void AddFilesHandler::StartAnalysis()
{
    state_.analysisBusy = true;
    splash_.showCentred();
    window_.convertButton->setEnabled(false);
    window_.addFilesButton->setEnabled(false);
    state_.keepAnalyzing = true;
}

void AddFilesHandler::EndAnalysis()
{
    state_.analysisBusy = false;
    splash_.close();
    window_.convertButton->setEnabled(true);
    window_.addFilesButton->setEnabled(true);
    state_.keepAnalyzing = false;
    busyLock_.unlock();
}

void AddFilesHandler::MeasureAndAdd(const QString& path)
{
    const int currentRowIndex = window_.fileList->rowCount();
    platform::PumpMessagesFor(kPauseAroundFileMs);
    const auto row = MeasureFile(path.toStdString(), state_.appDir, window_.formatCombo->currentIndex(),
                                 WaitStyle::KeepWindowAlive, *videoInfo_);
    if (row)
        AppendFileRow(*window_.fileList, *row);
    ScrollRowIntoView(*window_.fileList, currentRowIndex);
    platform::PumpMessagesFor(kPauseAroundFileMs);
}

AddFilesHandler* BindAddFiles(Application& app)
{
    auto* handler = new AddFilesHandler(app.state, app.messages, *app.mainWindow, *app.analysisProgress, *app.busyLock,
                                        app.shell->recentAddFilesDir);
    new FileDropTarget(*app.mainWindow, *handler);
    QObject::connect(app.mainWindow->addFilesButton, &QToolButton::clicked, handler, &AddFilesHandler::AddFiles);
    return handler;
}
