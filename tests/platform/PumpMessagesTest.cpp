// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PumpMessages.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

TEST(PumpMessages, KeepsTheWindowThreadsEventsFlowingForTheWholeWait)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QElapsedTimer elapsed;
    elapsed.start();
    platform::PumpMessagesFor(150);
    EXPECT_GE(elapsed.elapsed(), 150);
    EXPECT_GE(ticks, 5);
}

TEST(PumpMessages, SleepsOnAnotherThread)
{
    qint64 waited = 0;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        QElapsedTimer elapsed;
        elapsed.start();
        platform::PumpMessagesFor(100);
        waited = elapsed.elapsed();
    }));
    thread->start();
    thread->wait();
    EXPECT_GE(waited, 100);
}
