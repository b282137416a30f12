// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Powers the computer off through the login manager (systemd-logind's
// PowerOff over D-Bus), without asking the user anything. Other programs may
// still delay or veto it.
#include "platform/PowerOff.h"

#include <QDBusConnection>

class LogindPowerOff : public PowerOff {
public:
    explicit LogindPowerOff(QDBusConnection bus = QDBusConnection::systemBus());
    bool ShutDownComputer() override;
    std::string refusal() const override { return refusal_; }

private:
    QDBusConnection bus_;
    std::string refusal_;
};
