// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SettingsBinder.h"

#include "ui/AdditionalOptionsDialog.h"
#include "ui/MainWindow.h"
#include "ui/StatusBarPanels.h"

#include <QDir>

SettingsBinder::SettingsBinder(const std::string& settingsDir, MainWindow& window, AdditionalOptionsDialog& options,
                               QObject* parent)
    : QObject(parent)
    , window_(window)
    , options_(options)
    , settingsFile_(settingsDir)
{
    connect(&window, &MainWindow::optionsRequested, this, &SettingsBinder::showOptions);
    connect(&window, &MainWindow::closing, this, &SettingsBinder::saveSettings);
    connect(&window.statusPanels(), &StatusBarPanels::powerOffClicked, this, &SettingsBinder::showOptions);
    connect(&options, &AdditionalOptionsDialog::shutDownToggled, &window.statusPanels(),
            &StatusBarPanels::setPowerOffArmed);

    SettingsValues values = windowSettings();
    std::string addFilesDir;
    settingsLoad_ = settingsFile_.load(values, addFilesDir);
    recentAddFilesDir_ = QString::fromStdString(addFilesDir);
    if (settingsLoad_ == SettingsLoad::Loaded || settingsLoad_ == SettingsLoad::FormatReset)
        applySettings(values);
    loadedSettings_ = windowSettings();
    if (const auto placement = LoadWindowPlacement(settingsFile_.path()))
        window.setSavedPlacement(*placement);
    connect(&window, &MainWindow::shown, this, [this] { openedAt_ = window_.placement(); });
}

SettingsValues SettingsBinder::windowSettings() const
{
    return {window_.outputDir().toStdString(), options_.overwrite(), options_.shutDown(), window_.formatIndex(),
            window_.letterBoxIndex(), options_.jobsAtOnce(), options_.audioLanguage(), options_.fitSizeMegabytes(),
            options_.folderCover()};
}

void SettingsBinder::applySettings(const SettingsValues& values)
{
    window_.setOutputDir(QString::fromStdString(OutputDirUnder(values.outputDir, QDir::homePath().toStdString())));
    options_.setOverwrite(values.overwrite);
    options_.setShutDown(values.shutDown);
    options_.setJobsAtOnce(values.jobsAtOnce);
    options_.setAudioLanguage(values.audioLanguage);
    options_.setFitSizeMegabytes(values.fitSizeMegabytes);
    options_.setFolderCover(values.folderCover);
    window_.setFormatIndex(values.outputFormat);
    window_.setLetterBoxIndex(values.letterBox);
}

void SettingsBinder::showOptions()
{
    options_.show();
    options_.raise();
    options_.activateWindow();
}

void SettingsBinder::saveSettings()
{
    if (!settingsFile_.save(windowSettings(), recentAddFilesDir_.toStdString()))
        return;
    const WindowPlacement placement = window_.placement();
    // A window left at the size it opened with keeps an older file as it
    // was; where the window manager put it is no reason to write.
    const auto sized = [](WindowPlacement shape) {
        shape.left = shape.top = 0;
        return shape;
    };
    if ((openedAt_ && sized(placement) != sized(*openedAt_)) || HasWindowPlacement(settingsFile_.path()))
        SaveWindowPlacement(settingsFile_.path(), placement);
}
