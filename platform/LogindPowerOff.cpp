// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LogindPowerOff.h"

#include <QDBusInterface>
#include <QDBusMessage>

LogindPowerOff::LogindPowerOff(QDBusConnection bus)
    : bus_(std::move(bus))
{
}

bool LogindPowerOff::ShutDownComputer()
{
    refusal_.clear();
    if (!bus_.isConnected()) {
        refusal_ = "there is no connection to the system bus";
        return false;
    }
    QDBusInterface manager("org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager", bus_);
    if (!manager.isValid()) {
        refusal_ = "the login manager is not available";
        return false;
    }
    const bool interactive = false;
    const QDBusMessage reply = manager.call("PowerOff", interactive);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    refusal_ = reply.errorMessage().isEmpty() ? "the login manager refused" : reply.errorMessage().toStdString();
    return false;
}
