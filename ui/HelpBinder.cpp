#include "ui/HelpBinder.h"

#include "core/HelpLinks.h"
#include "ui/AboutDialog.h"
#include "ui/DesktopUrlOpener.h"
#include "ui/MainWindow.h"

HelpBinder::HelpBinder(MainWindow& window, AboutDialog& about, std::string helpDir, QObject* parent)
    : QObject(parent)
    , window_(window)
    , about_(about)
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
    opener_->open(HelpFileUrl(helpDir_));
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
    opener_->open(QUrl::fromLocalFile(window_.outputDir()));
}
