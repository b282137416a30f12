// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens addresses with the desktop's default browser or mail program.
#include "core/HelpLinks.h"

class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override;

    // The one the application uses unless told otherwise.
    static DesktopUrlOpener& instance();
};
