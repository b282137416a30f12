// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Desktop notifications through the freedesktop notification service on the
// session bus. Without a session bus or a service nothing is shown and
// nothing is reported; the call never waits for the service.
#include "ui/DesktopNotifier.h"

class DBusNotifier final : public DesktopNotifier {
public:
    void notify(const QString& summary, const QString& body) override;
};
