// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include "convert/ConversionRun.h"
#include "media/CropProbe.h"
#include "platform/PowerOff.h"
#include "platform/RegScript.h"
#include "platform/SignalWatch.h"
#include "ui/AboutDialog.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/AnalysisProgressDialog.h"
#include "ui/BatchStatus.h"
#include "ui/BusyLock.h"
#include "ui/ConversionBinding.h"
#include "ui/ConversionLogDialog.h"
#include "ui/DesktopNotifier.h"
#include "ui/FileDropTarget.h"
#include "ui/FileListModel.h"
#include "ui/FolderChooser.h"
#include "ui/HelpBinder.h"
#include "ui/ListCommands.h"
#include "ui/MainWindow.h"
#include "ui/ProfileView.h"
#include "ui/SessionKeeper.h"
#include "ui/SettingsBinder.h"
#include "ui/ShutdownCountdown.h"
#include "ui/ShutdownWarningDialog.h"
#include "ui/WindowFrontEnd.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// How long a batch stopped by a signal may take to end before the program
// ends regardless: the session manager waits about five seconds.
constexpr int kSignalEndGraceMs = 4000;

} // namespace

Application::Application(const AppPlaces& places, Messages& messages)
    : places_(places)
    , messages_(messages)
{
    state_.appDir = places_.encoderDir;
    buildWindows();
    buildBinders();
    buildConversion();
}

Application::Application(const std::string& appDir, Messages& messages)
    : Application(PlacesIn(appDir), messages)
{
}

Application::~Application()
{
    // A signal's end wrote the list as it was, to be offered back.
    if (!endedBySignal_)
        session_->writeNow(true);
}

// The main window (whose creation runs the format switch and starts
// "reg.bat"), then the other windows; the options dialog last, as its
// settings load overwrites the window's defaults.
void Application::buildWindows()
{
    fileModel_ = std::make_unique<FileListModel>(files_);
    mainWindow_ = std::make_unique<MainWindow>(state_, *fileModel_);
    profileView_ = std::make_unique<ProfileView>(mainWindow_->profileControls(), files_);
    profileView_->switchFormat();
    platform::StartRegScript(state_.appDir);
    analysisProgress_ = new AnalysisProgressDialog(state_, mainWindow_.get());
    aboutDialog_ = new AboutDialog(mainWindow_.get());
    shutdownWarning_ = new ShutdownWarningDialog(mainWindow_.get());
    optionsDialog_ = new AdditionalOptionsDialog(messages_, mainWindow_.get());
    settings_ = std::make_unique<SettingsBinder>(places_.settingsDir, *mainWindow_, *optionsDialog_);
    profileView_->bindCustomFit([this] { return optionsDialog_->fitSizeMegabytes(); },
                                [this](const std::string& megabytes) { optionsDialog_->setFitSizeMegabytes(megabytes); });
    QObject::connect(mainWindow_.get(), &MainWindow::shown, mainWindow_.get(), [this] {
        optionsDialog_->suppressNextConfirm(false);
        profileView_->switchFormat();
    });
}

void Application::buildBinders()
{
    MainWindow& window = *mainWindow_;
    busyLock_ = std::make_unique<BusyLock>(window, *profileView_, *optionsDialog_);
    help_ = std::make_unique<HelpBinder>(window, *aboutDialog_, messages_, places_.helpDir);
    folderChooser_ = std::make_unique<FolderChooser>(window, *analysisProgress_, state_);
    listCommands_ = std::make_unique<ListCommands>(window, files_, state_);
    addFiles_ = std::make_unique<AddFilesHandler>(
        AddFilesHandler::Parts{state_, messages_, window, files_, *analysisProgress_, *busyLock_},
        settings_->recentAddFilesDir());
    new FileDropTarget(window, *addFiles_);
}

void Application::buildConversion()
{
    MainWindow& window = *mainWindow_;
    countdown_ = new ShutdownCountdown(state_, *shutdownWarning_, messages_, [] { QCoreApplication::exit(0); }, &window);
    countdown_->setObjectName("ShutdownCountdown");
    logDialog_ = new ConversionLogDialog(&window);
    batchStatus_ = new BatchStatus(window, messages_, &window);
    batchStatus_->setObjectName("BatchStatus");
    QObject::connect(batchStatus_, &BatchStatus::openOutputFolderRequested, help_.get(),
                     &HelpBinder::openOutputFolder);
    frontEnd_ = new WindowFrontEnd(WindowParts{window, *optionsDialog_, *profileView_, *busyLock_, *listCommands_,
                                               *batchStatus_, *logDialog_, *countdown_, messages_},
                                   state_.appDir, &window);
    frontEnd_->setObjectName("ConversionFrontEnd");
    run_ = std::make_unique<ConversionRun>(state_, files_, *frontEnd_, verifier_, &window);
    run_->setCropFinder([appDir = state_.appDir](const std::string& path, const std::string& size) {
        return MeasureCrop(path, size, appDir);
    });
    // Once the run is over, all it reported shows at once.
    QObject::connect(run_.get(), &ConversionRun::finished, frontEnd_, &WindowFrontEnd::showQueued);
    conversion_ = std::make_unique<ConversionBinding>(window, *run_, files_, *logDialog_, messages_);
    session_ = std::make_unique<SessionKeeper>(places_.stateDir, files_, *fileModel_);
    QObject::connect(&window, &MainWindow::closing, session_.get(), [this] {
        if (!endedBySignal_)
            session_->writeNow(true);
    });
}

void Application::offerRestore()
{
    if (SettingsFile(places_.settingsDir).offersRestore())
        session_->offerRestore(messages_);
}

void Application::endOnSignals()
{
    endingSignals_ = std::make_unique<platform::SignalWatch>(std::initializer_list<int>{SIGTERM, SIGHUP, SIGINT},
                                                             [this](int) { endBySignal(); });
}

void Application::endBySignal()
{
    if (endedBySignal_)
        return;
    endedBySignal_ = true;
    if (!run_->running()) {
        finishSignalEnd();
        return;
    }
    QObject::connect(run_.get(), &ConversionRun::finished, mainWindow_.get(), [this] { finishSignalEnd(); });
    QTimer::singleShot(kSignalEndGraceMs, mainWindow_.get(), [this] { finishSignalEnd(); });
    run_->stop();
}

void Application::finishSignalEnd()
{
    settings_->saveSettings();
    session_->writeNow(false);
    // Not quit(), which would close the window first, as if by the user.
    QCoreApplication::exit(0);
}

void Application::setPowerOff(std::unique_ptr<PowerOff> powerOff)
{
    powerOff_ = std::move(powerOff);
    countdown_->setPowerOff(powerOff_.get());
}

void Application::setNotifier(std::unique_ptr<DesktopNotifier> notifier)
{
    notifier_ = std::move(notifier);
    batchStatus_->setNotifier(notifier_.get());
}

void Application::setUrlOpener(UrlOpener& opener)
{
    help_->setUrlOpener(opener);
}

void Application::setChooseFiles(AddFilesHandler::ChooseFiles choose)
{
    addFiles_->setChooseFiles(std::move(choose));
}

void Application::addAtStart(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    QTimer::singleShot(0, addFiles_.get(), [this, paths] { addFiles_->addDropped(paths); });
}
