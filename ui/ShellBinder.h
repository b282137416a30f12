#pragma once
// Binds the application shell's own commands to the windows: the settings
// file (loaded when made, right after optionsDialog, and saved when the main window
// closes), the Additional Options dialog, help, the web site, the about
// box, the output folder chooser and the file list's commands.
#include "ui/ListCommands.h"
#include "core/SettingsFile.h"

#include <QObject>
#include <QString>

class Application;
class FolderBrowseDialog;
class UrlOpener;

class ShellBinder : public QObject {
    Q_OBJECT
public:
    explicit ShellBinder(Application& app);

    // What the start-up load found, and the values the window holds after it.
    SettingsLoad settingsLoad() const { return settingsLoad_; }
    const SettingsValues& loadedSettings() const { return loadedSettings_; }

    // The main window's settings as they stand, and putting them back.
    // Combo indexes are set with signals blocked: no format switch runs.
    SettingsValues windowSettings() const;
    void applySettings(const SettingsValues& values);

    // Where help, the web site and the mail link are opened (the desktop's programs by default).
    void setUrlOpener(UrlOpener& opener);

    FolderBrowseDialog* folderDialog = nullptr;
    ListCommands listCommands;
    // The folder the open dialog of Add Files was last used in; kept in the settings file.
    QString recentAddFilesDir;

    void showOptions();
    void openHelp();
    void visitWebsite();
    void showAbout();
    void chooseOutputFolder();
    // Shows the output directory in the desktop's file manager.
    void openOutputFolder();
    // The main window closed: the settings are written; a failure is not reported.
    void saveSettings();

private:
    Application& app_;
    SettingsFile settingsFile_;
    SettingsLoad settingsLoad_ = SettingsLoad::NoFile;
    SettingsValues loadedSettings_;
    UrlOpener* opener_;
};
