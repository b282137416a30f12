#include "platform/LogindPowerOff.h"

#include <QDBusInterface>
#include <QDBusMessage>

LogindPowerOff::LogindPowerOff(QDBusConnection bus)
    : bus_(std::move(bus))
{
}

bool LogindPowerOff::ShutDownComputer()
{
    if (!bus_.isConnected())
        return false;
    QDBusInterface manager("org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager", bus_);
    if (!manager.isValid())
        return false;
    const bool interactive = false;
    const QDBusMessage reply = manager.call("PowerOff", interactive);
    return reply.type() == QDBusMessage::ReplyMessage;
}
