// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the user something outside the window, on the desktop.
#include <QString>

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const QString& summary, const QString& body) = 0;
};
