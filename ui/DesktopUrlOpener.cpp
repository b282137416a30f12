// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopUrlOpener.h"

#include <QDesktopServices>

bool DesktopUrlOpener::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

DesktopUrlOpener& DesktopUrlOpener::instance()
{
    static DesktopUrlOpener opener;
    return opener;
}
