// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help and about: the help file, the maker's web site, the about box, and
// the output folder shown in the desktop's file manager. When no program
// takes the help file or the folder, a message says so.
#include <QObject>

#include <string>

class AboutDialog;
class MainWindow;
class Messages;
class UrlOpener;

class HelpBinder : public QObject {
    Q_OBJECT
public:
    HelpBinder(MainWindow& window, AboutDialog& about, Messages& messages, std::string helpDir,
               QObject* parent = nullptr);

    // Where help, the web site and the mail link are opened (the desktop's programs by default).
    void setUrlOpener(UrlOpener& opener);

    void openHelp();
    void visitWebsite();
    void showAbout();
    void openOutputFolder();

private:
    MainWindow& window_;
    AboutDialog& about_;
    Messages& messages_;
    std::string helpDir_;
    UrlOpener* opener_;
};
