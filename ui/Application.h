// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up, and the one place that builds the window: the shared state and
// the file list, the five windows in their creation order, and every binder,
// each given what it works with when it is made. Destroyed in the reverse
// order, so that a conversion still under way stops before the window it
// reports to goes.
#include "core/AppPlaces.h"
#include "core/FileList.h"
#include "core/SharedState.h"
#include "media/MediaOutputVerifier.h"
#include "ui/AddFiles.h"

#include <memory>
#include <string>

class AboutDialog;
class AdditionalOptionsDialog;
class AnalysisProgressDialog;
class BatchStatus;
class BusyLock;
class ConversionBinding;
class ConversionLogDialog;
class ConversionRun;
class DesktopNotifier;
class FileListModel;
class FolderChooser;
class HelpBinder;
class ListCommands;
class MainWindow;
class Messages;
class PowerOff;
class ProfileView;
class SettingsBinder;
class ShutdownCountdown;
class SessionKeeper;
class ShutdownWarningDialog;
class UrlOpener;
class WindowFrontEnd;
namespace platform {
class SignalWatch;
}

class Application {
public:
    Application(const AppPlaces& places, Messages& messages);
    // Everything in the one folder `appDir`.
    Application(const std::string& appDir, Messages& messages);
    ~Application();

    MainWindow& mainWindow() const { return *mainWindow_; }
    SharedState& state() { return state_; }
    const SharedState& state() const { return state_; }
    FileList& files() { return files_; }
    BusyLock& busyLock() const { return *busyLock_; }
    SettingsBinder& settings() const { return *settings_; }
    SessionKeeper& session() const { return *session_; }

    // At start-up, once the window shows: the list of a last session that
    // ended without a close is offered back, unless the settings say not to.
    void offerRestore();
    // From now on SIGTERM, SIGHUP and SIGINT end the program cleanly: a
    // batch under way stops as Stop Convert stops it, then the settings and
    // the list are written and the event loop ends.
    void endOnSignals();

    // The power-off that the countdown requests at its end; none by default,
    // so that nothing but the application's own start-up can power off.
    void setPowerOff(std::unique_ptr<PowerOff> powerOff);
    // Where the end of a batch is told while the window is not active; none by default.
    void setNotifier(std::unique_ptr<DesktopNotifier> notifier);
    // Where help, the web site and the mail link are opened (the desktop's programs by default).
    void setUrlOpener(UrlOpener& opener);
    // Replaces the open dialog of Add Files.
    void setChooseFiles(AddFilesHandler::ChooseFiles choose);
    // The files (and folders) given at start: added and measured as Add
    // Files does, once the event loop runs.
    void addAtStart(const QStringList& paths);

private:
    void buildWindows();
    void buildBinders();
    void buildConversion();
    void endBySignal();
    // The settings and the list written, the event loop ended.
    void finishSignalEnd();

    AppPlaces places_;
    SharedState state_;
    Messages& messages_;
    FileList files_;
    std::unique_ptr<FileListModel> fileModel_;
    std::unique_ptr<MainWindow> mainWindow_;
    // Owned by the main window, where tests find them by name.
    AnalysisProgressDialog* analysisProgress_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    ShutdownWarningDialog* shutdownWarning_ = nullptr;
    AdditionalOptionsDialog* optionsDialog_ = nullptr;
    ConversionLogDialog* logDialog_ = nullptr;
    BatchStatus* batchStatus_ = nullptr;
    ShutdownCountdown* countdown_ = nullptr;
    WindowFrontEnd* frontEnd_ = nullptr;

    std::unique_ptr<ProfileView> profileView_;
    std::unique_ptr<SettingsBinder> settings_;
    std::unique_ptr<BusyLock> busyLock_;
    std::unique_ptr<HelpBinder> help_;
    std::unique_ptr<FolderChooser> folderChooser_;
    std::unique_ptr<ListCommands> listCommands_;
    std::unique_ptr<AddFilesHandler> addFiles_;
    std::unique_ptr<PowerOff> powerOff_;
    std::unique_ptr<DesktopNotifier> notifier_;
    MediaOutputVerifier verifier_;
    // A child of the window too, where its worker and stall watch are found
    // by name; it goes first, while what it reports to is still there.
    std::unique_ptr<ConversionRun> run_;
    std::unique_ptr<ConversionBinding> conversion_;
    std::unique_ptr<SessionKeeper> session_;
    std::unique_ptr<platform::SignalWatch> endingSignals_;
    bool endedBySignal_ = false;
};
