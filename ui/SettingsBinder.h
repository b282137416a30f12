// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file and the Additional Options dialog: the file is loaded
// when the binder is made (right after the dialog, the last window of the
// start-up) and saved when the main window closes; the dialog opens from
// the Options menu and from the status bar's power-off mark, which follows
// the shutdown option. The window's place, size and column widths go into
// [Window] once its size or columns differ from how it opened, or when the
// file has that section.
#include "core/SettingsFile.h"
#include "core/WindowPlacement.h"

#include <QObject>
#include <QString>

class AdditionalOptionsDialog;
class MainWindow;

class SettingsBinder : public QObject {
    Q_OBJECT
public:
    SettingsBinder(const std::string& settingsDir, MainWindow& window, AdditionalOptionsDialog& options,
                   QObject* parent = nullptr);

    // What the start-up load found, and the values the window holds after it.
    SettingsLoad settingsLoad() const { return settingsLoad_; }
    const SettingsValues& loadedSettings() const { return loadedSettings_; }

    // The main window's settings as they stand, and putting them back.
    // The lists are set with signals blocked: no format switch runs.
    SettingsValues windowSettings() const;
    void applySettings(const SettingsValues& values);

    // The folder the open dialog of Add Files was last used in; kept in the settings file.
    QString& recentAddFilesDir() { return recentAddFilesDir_; }

    void showOptions();
    // The main window closed: the settings are written; a failure is not reported.
    void saveSettings();

private:
    MainWindow& window_;
    AdditionalOptionsDialog& options_;
    SettingsFile settingsFile_;
    SettingsLoad settingsLoad_ = SettingsLoad::NoFile;
    SettingsValues loadedSettings_;
    QString recentAddFilesDir_;
    std::optional<WindowPlacement> openedAt_;
};
