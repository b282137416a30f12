// SPDX-License-Identifier: GPL-3.0-or-later
// The power-off request against a stand-in login manager on a private bus
// of its own, never the system's.
#include "platform/LogindPowerOff.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

class FakeLoginManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    bool refuse = false;
    std::vector<bool> requests;

public slots:
    void PowerOff(bool interactive)
    {
        requests.push_back(interactive);
        if (refuse)
            sendErrorReply(QDBusError::AccessDenied, "Interactive authentication required.");
    }
};

class PrivateBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        ASSERT_TRUE(daemon.waitForStarted());
        ASSERT_TRUE(daemon.waitForReadyRead(5000));
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        ASSERT_FALSE(address.isEmpty());
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus("fake-login-manager");
        QDBusConnection::disconnectFromBus("power-off");
        daemon.kill();
        daemon.waitForFinished();
    }

    void serveLoginManager()
    {
        QDBusConnection server = QDBusConnection::connectToBus(address, "fake-login-manager");
        ASSERT_TRUE(server.isConnected());
        ASSERT_TRUE(server.registerObject("/org/freedesktop/login1", &manager, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(server.registerService("org.freedesktop.login1"));
    }

    // Asks on another thread, so that this one can serve the request.
    bool requestPowerOff()
    {
        LogindPowerOff powerOff(QDBusConnection::connectToBus(address, "power-off"));
        std::atomic<bool> done{false};
        bool accepted = false;
        std::thread caller([&] {
            accepted = powerOff.ShutDownComputer();
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 30000));
        caller.join();
        refusal = powerOff.refusal();
        return accepted;
    }

    QProcess daemon;
    QString address;
    std::string refusal; // of the latest request
    FakeLoginManager manager;
};

TEST_F(PrivateBus, AsksTheLoginManagerToPowerOffWithoutAskingTheUser)
{
    serveLoginManager();
    EXPECT_TRUE(requestPowerOff());
    EXPECT_EQ(manager.requests, std::vector<bool>{false});
}

TEST_F(PrivateBus, ReportsARefusedRequest)
{
    serveLoginManager();
    manager.refuse = true;
    EXPECT_FALSE(requestPowerOff());
    EXPECT_EQ(manager.requests.size(), 1u);
    EXPECT_EQ(refusal, "Interactive authentication required.");
}

TEST_F(PrivateBus, ReportsAMissingLoginManager)
{
    EXPECT_FALSE(requestPowerOff());
    EXPECT_FALSE(refusal.empty());
}

TEST(LogindPowerOff, ReportsABusItCannotReach)
{
    LogindPowerOff powerOff(QDBusConnection::connectToBus("unix:path=/nonexistent/vantorel-bus", "unreachable"));
    EXPECT_FALSE(powerOff.ShutDownComputer());
    EXPECT_EQ(powerOff.refusal(), "there is no connection to the system bus");
    QDBusConnection::disconnectFromBus("unreachable");
}

} // namespace

#include "LogindPowerOffTest.moc"
