#include "ui/ShellBinder.h"

#include "core/Texts.h"
#include "ui/Application.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/AboutDialog.h"
#include "ui/AnalysisProgressDialog.h"
#include "ui/StatusBarPanels.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

ShellBinder::ShellBinder(Application& app)
    : listCommands(*app.mainWindow, app.state)
    , app_(app)
    , settingsFile_(app.places.settingsDir)
    , opener_(&DesktopUrlOpener::instance())
{
    MainWindow& form = *app.mainWindow;
    folderDialog = new FolderBrowseDialog(&form);
    folderDialog->setObjectName("BrowseForFolder1");
    folderDialog->setFolderName(texts::kBrowseFolderName);
    folderDialog->setHeadline(texts::kBrowseHeadline);
    folderDialog->setTitle(texts::kBrowseTitle);
    folderDialog->setOptions(FolderBrowseDialog::boContextHelp | FolderBrowseDialog::boDirsOnly
                                 | FolderBrowseDialog::boNewDlgStyle);

    connect(form.optionsAction, &QAction::triggered, this, &ShellBinder::showOptions);
    connect(form.helpAction, &QAction::triggered, this, &ShellBinder::openHelp);
    connect(form.websiteAction, &QAction::triggered, this, &ShellBinder::visitWebsite);
    connect(form.aboutAction, &QAction::triggered, this, &ShellBinder::showAbout);
    connect(form.browseFolderButton, &QToolButton::clicked, this, &ShellBinder::chooseOutputFolder);
    connect(form.openOutputFolderAction, &QAction::triggered, this, &ShellBinder::openOutputFolder);
    connect(&form, &MainWindow::closing, this, &ShellBinder::saveSettings);
    connect(form.statusPanels, &StatusBarPanels::powerOffClicked, this, &ShellBinder::showOptions);
    connect(app.optionsDialog->shutdownCheck, &QCheckBox::toggled, form.statusPanels, &StatusBarPanels::setPowerOffArmed);

    SettingsValues values = windowSettings();
    std::string addFilesDir;
    settingsLoad_ = settingsFile_.load(values, addFilesDir);
    recentAddFilesDir = QString::fromStdString(addFilesDir);
    if (settingsLoad_ == SettingsLoad::Loaded || settingsLoad_ == SettingsLoad::FormatReset)
        applySettings(values);
    loadedSettings_ = windowSettings();
}

SettingsValues ShellBinder::windowSettings() const
{
    const MainWindow& form = *app_.mainWindow;
    return {form.outputDirEdit->text().toStdString(), app_.optionsDialog->overwriteCheck->isChecked(),
            app_.optionsDialog->shutdownCheck->isChecked(), form.formatCombo->currentIndex(),
            form.letterBoxCombo->currentIndex(), app_.optionsDialog->jobsAtOnce()};
}

void ShellBinder::applySettings(const SettingsValues& values)
{
    MainWindow& form = *app_.mainWindow;
    form.outputDirEdit->setText(
        QString::fromStdString(OutputDirUnder(values.outputDir, QDir::homePath().toStdString())));
    app_.optionsDialog->overwriteCheck->setChecked(values.overwrite);
    app_.optionsDialog->shutdownCheck->setChecked(values.shutDown);
    app_.optionsDialog->setJobsAtOnce(values.jobsAtOnce);
    const QSignalBlocker formatSignals(form.formatCombo);
    form.formatCombo->setCurrentIndex(values.outputFormat);
    const QSignalBlocker letterBoxSignals(form.letterBoxCombo);
    form.letterBoxCombo->setCurrentIndex(values.letterBox);
}

void ShellBinder::setUrlOpener(UrlOpener& opener)
{
    opener_ = &opener;
    app_.aboutDialog->setUrlOpener(opener);
}

void ShellBinder::showOptions()
{
    app_.optionsDialog->show();
    app_.optionsDialog->raise();
    app_.optionsDialog->activateWindow();
}

void ShellBinder::openHelp()
{
    opener_->open(HelpFileUrl(app_.places.helpDir));
}

void ShellBinder::visitWebsite()
{
    opener_->open(WebsiteUrl());
}

void ShellBinder::showAbout()
{
    app_.aboutDialog->exec();
}

void ShellBinder::chooseOutputFolder()
{
    if (app_.analysisProgress->isVisible() || app_.state.isConverting)
        return;
    if (folderDialog->ShowDialog())
        app_.mainWindow->outputDirEdit->setText(folderDialog->FolderName());
}

void ShellBinder::openOutputFolder()
{
    opener_->open(QUrl::fromLocalFile(app_.mainWindow->outputDirEdit->text()));
}

void ShellBinder::saveSettings()
{
    settingsFile_.save(windowSettings(), recentAddFilesDir.toStdString());
}
