// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr int kServerDefaultTimeout = -1;

} // namespace

void DBusNotifier::notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
    call << summary << 0u << QString() << summary << body << QStringList() << QVariantMap() << kServerDefaultTimeout;
    // No reply is awaited: a missing service only leaves an error reply unread.
    bus.asyncCall(call);
}
