// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where help, the maker's web site and support mail are, and the one door
// through which they are opened, so that tests open nothing.
#include <QUrl>

#include <string>

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address to the system; false when no program would take it.
    virtual bool open(const QUrl& url) = 0;
};

// AppDir + "help.html" as a local file address; `appDir` ends in a separator.
QUrl HelpFileUrl(const std::string& appDir);
QUrl WebsiteUrl();
QUrl SupportMailUrl();
