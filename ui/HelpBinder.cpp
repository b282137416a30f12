// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpBinder.h"

#include "core/HelpLinks.h"
#include "core/Messages.h"
#include "core/Texts.h"
#include "ui/AboutDialog.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/MainWindow.h"

HelpBinder::HelpBinder(MainWindow& window, AboutDialog& about, Messages& messages, std::string helpDir,
                       QObject* parent)
    : QObject(parent)
    , window_(window)
    , about_(about)
    , messages_(messages)
    , helpDir_(std::move(helpDir))
    , opener_(&DesktopUrlOpener::instance())
{
    connect(&window, &MainWindow::helpRequested, this, &HelpBinder::openHelp);
    connect(&window, &MainWindow::websiteRequested, this, &HelpBinder::visitWebsite);
    connect(&window, &MainWindow::aboutRequested, this, &HelpBinder::showAbout);
    connect(&window, &MainWindow::openOutputFolderRequested, this, &HelpBinder::openOutputFolder);
}

void HelpBinder::setUrlOpener(UrlOpener& opener)
{
    opener_ = &opener;
    about_.setUrlOpener(opener);
}

void HelpBinder::openHelp()
{
    const QUrl help = HelpFileUrl(helpDir_);
    if (!opener_->open(help))
        messages_.information(texts::kNoBrowserForHelp + help.toLocalFile().toStdString());
}

void HelpBinder::visitWebsite()
{
    opener_->open(WebsiteUrl());
}

void HelpBinder::showAbout()
{
    about_.exec();
}

void HelpBinder::openOutputFolder()
{
    if (!opener_->open(QUrl::fromLocalFile(window_.outputDir())))
        messages_.information(texts::kNoFileManager + window_.outputDir().toStdString());
}
