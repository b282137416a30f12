#include "ui/ShellBinder.h"

#include "core/AppTexts.h"
#include "ui/Application.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/FzShellFolders.h"
#include "ui/TForm1.h"
#include "ui/TForm4.h"
#include "ui/TFormAbout.h"
#include "ui/TFormAnalyzingSplash.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

ShellBinder::ShellBinder(Application& app)
    : listCommands(*app.Form1, app.state)
    , app_(app)
    , settingsFile_(app.state.appDir)
    , opener_(&DesktopUrlOpener::instance())
{
    TForm1& form = *app.Form1;
    BrowseForFolder1 = new TFzBrowseDialog(&form);
    BrowseForFolder1->setObjectName("BrowseForFolder1");
    BrowseForFolder1->setFolderName(texts::kBrowseFolderName);
    BrowseForFolder1->setHeadline(texts::kBrowseHeadline);
    BrowseForFolder1->setOptions(TFzBrowseDialog::boContextHelp | TFzBrowseDialog::boDirsOnly
                                 | TFzBrowseDialog::boNewDlgStyle);

    connect(form.SetGeneralOptions1, &QAction::triggered, this, &ShellBinder::SetGeneralOptions1Click);
    connect(form.OpenHelpFile1, &QAction::triggered, this, &ShellBinder::OpenHelpFile1Click);
    connect(form.VisitOurWebsite1, &QAction::triggered, this, &ShellBinder::VisitOurWebsite1Click);
    connect(form.About1, &QAction::triggered, this, &ShellBinder::About1Click);
    connect(form.ButtonBrowseForFolder, &QToolButton::clicked, this, &ShellBinder::ButtonBrowseForFolderClick);
    connect(&form, &TForm1::closing, this, &ShellBinder::FormClose);

    SettingsValues values = windowSettings();
    settingsLoad_ = settingsFile_.load(values);
    if (settingsLoad_ == SettingsLoad::Loaded || settingsLoad_ == SettingsLoad::FormatReset)
        applySettings(values);
    loadedSettings_ = windowSettings();
}

SettingsValues ShellBinder::windowSettings() const
{
    const TForm1& form = *app_.Form1;
    return {form.Edit1->text().toStdString(), app_.Form4->CheckBoxOverWrite->isChecked(),
            app_.Form4->CheckBoxShutDown->isChecked(), form.ComboOutputFormat->currentIndex(),
            form.ComboLetterBox->currentIndex()};
}

void ShellBinder::applySettings(const SettingsValues& values)
{
    TForm1& form = *app_.Form1;
    form.Edit1->setText(QString::fromStdString(values.outputDir));
    app_.Form4->CheckBoxOverWrite->setChecked(values.overwrite);
    app_.Form4->CheckBoxShutDown->setChecked(values.shutDown);
    const QSignalBlocker formatSignals(form.ComboOutputFormat);
    form.ComboOutputFormat->setCurrentIndex(values.outputFormat);
    const QSignalBlocker letterBoxSignals(form.ComboLetterBox);
    form.ComboLetterBox->setCurrentIndex(values.letterBox);
}

void ShellBinder::setUrlOpener(UrlOpener& opener)
{
    opener_ = &opener;
    app_.FormAbout->setUrlOpener(opener);
}

void ShellBinder::SetGeneralOptions1Click()
{
    app_.Form4->show();
    app_.Form4->raise();
    app_.Form4->activateWindow();
}

void ShellBinder::OpenHelpFile1Click()
{
    opener_->open(HelpFileUrl(app_.state.appDir));
}

void ShellBinder::VisitOurWebsite1Click()
{
    opener_->open(WebsiteUrl());
}

void ShellBinder::About1Click()
{
    app_.FormAbout->exec();
}

void ShellBinder::ButtonBrowseForFolderClick()
{
    if (app_.FormAnalyzingSplash->isVisible() || app_.state.isConverting)
        return;
    if (BrowseForFolder1->ShowDialog())
        app_.Form1->Edit1->setText(BrowseForFolder1->FolderName());
}

void ShellBinder::FormClose()
{
    settingsFile_.save(windowSettings());
}
