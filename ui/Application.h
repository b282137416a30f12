#pragma once
// Start-up: the shared state, the five windows in their creation order, and
// the bindings between them.
#include "core/AppPlaces.h"
#include "core/SharedState.h"

#include <memory>
#include <string>

class Messages;
class MainWindow;
class ShutdownWarningDialog;
class AdditionalOptionsDialog;
class AboutDialog;
class AnalysisProgressDialog;
class BusyLock;
class AddFilesHandler;
class ConversionBinding;
class ShellBinder;

class Application {
public:
    Application(const AppPlaces& places, Messages& messages);
    // Everything in the one folder `appDir`.
    Application(const std::string& appDir, Messages& messages);
    ~Application();

    AppPlaces places;
    SharedState state;
    Messages& messages;
    std::unique_ptr<MainWindow> mainWindow;
    AnalysisProgressDialog* analysisProgress = nullptr;
    AboutDialog* aboutDialog = nullptr;
    ShutdownWarningDialog* shutdownWarning = nullptr;
    AdditionalOptionsDialog* optionsDialog = nullptr;
    std::unique_ptr<BusyLock> busyLock;
    std::unique_ptr<ShellBinder> shell; // settings, options dialog, help, about, folder chooser, list commands
    AddFilesHandler* addFiles = nullptr;
    std::unique_ptr<ConversionBinding> conversion;

private:
    void onMainWindowShown();
};
