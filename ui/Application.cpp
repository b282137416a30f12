#include "ui/Application.h"

#include "ui/BatchStatus.h"
#include "ui/BusyLock.h"
#include "ui/ShellBinder.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/AboutDialog.h"
#include "ui/ConversionBinding.h"
#include "ui/ShutdownWarningDialog.h"
#include "ui/AddFiles.h"
#include "ui/AnalysisProgressDialog.h"
#include "platform/RegScript.h"
#include "ui/ProfileView.h"

Application::Application(const AppPlaces& places_, Messages& messages_)
    : places(places_)
    , messages(messages_)
{
    state.appDir = places.encoderDir;
    mainWindow = std::make_unique<MainWindow>(state);
    platform::StartRegScript(state.appDir);
    analysisProgress = new AnalysisProgressDialog(state, mainWindow.get());
    aboutDialog = new AboutDialog(mainWindow.get());
    shutdownWarning = new ShutdownWarningDialog(mainWindow.get());
    optionsDialog = new AdditionalOptionsDialog(messages, mainWindow.get());
    shell = std::make_unique<ShellBinder>(*this);
    busyLock = std::make_unique<BusyLock>(*mainWindow, *optionsDialog);
    addFiles = BindAddFiles(*this);
    conversion = BindConversion(*this);
    QObject::connect(conversion->batchStatus, &BatchStatus::openOutputFolderRequested, shell.get(),
                     &ShellBinder::openOutputFolder);
    QObject::connect(mainWindow.get(), &MainWindow::shown, mainWindow.get(), [this] { onMainWindowShown(); });
}

Application::Application(const std::string& appDir, Messages& messages_)
    : Application(PlacesIn(appDir), messages_)
{
}

Application::~Application() = default;

void Application::onMainWindowShown()
{
    optionsDialog->suppressNextConfirm(false);
    mainWindow->profileView->switchFormat();
}
