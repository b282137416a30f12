// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/WorkerTask.h"

#include <QCoreApplication>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Lets the work of a thread component run until released.
struct Gate {
    std::atomic<bool> open{false};
    void wait() const
    {
        while (!open)
            QThread::msleep(2);
    }
};

bool WaitIdle(WorkerTask& component, int ms = 5000)
{
    return QTest::qWaitFor([&] { return !component.isRunning(); }, ms);
}

TEST(WorkerTask, RunsTheWorkOnAnotherThreadAndReportsTheEndOnThisOne)
{
    WorkerTask component;
    QThread* workThread = nullptr;
    QThread* endThread = nullptr;
    component.onExecute = [&](WorkerTask*, WorkerThread*, void*&) { workThread = QThread::currentThread(); };
    component.onTerminate = [&](WorkerTask* sender, WorkerThread* thread, void*&) {
        endThread = QThread::currentThread();
        EXPECT_EQ(sender, &component);
        EXPECT_NE(thread, nullptr);
        EXPECT_FALSE(component.isRunning());
    };
    component.start();
    EXPECT_TRUE(component.isRunning());
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_NE(workThread, QThread::currentThread());
    EXPECT_NE(workThread, nullptr);
    EXPECT_EQ(endThread, QThread::currentThread());
    EXPECT_FALSE(component.endedByStop());
}

TEST(WorkerTask, StartWhileRunningCreatesNoSecondThread)
{
    WorkerTask component;
    Gate gate;
    std::atomic<int> runs{0};
    component.onExecute = [&](WorkerTask*, WorkerThread*, void*&) {
        ++runs;
        gate.wait();
    };
    component.start();
    WorkerThread* first = component.workerThread();
    component.start();
    EXPECT_EQ(component.workerThread(), first);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(runs, 1);
}

TEST(WorkerTask, PassesDataByReferenceThroughEveryEvent)
{
    WorkerTask component;
    int original = 1;
    int replaced = 2;
    void* seenByWork = nullptr;
    void* seenAtEnd = nullptr;
    component.onStart = [&](WorkerTask*, WorkerThread*, void*& data) {
        EXPECT_EQ(data, &original);
        data = &replaced;
    };
    component.onExecute = [&](WorkerTask*, WorkerThread*, void*& data) { seenByWork = data; };
    component.onTerminate = [&](WorkerTask*, WorkerThread*, void*& data) { seenAtEnd = data; };
    component.startWithData(&original);
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(seenByWork, &replaced);
    EXPECT_EQ(seenAtEnd, &replaced);
}

TEST(WorkerTask, StopAsksTheWorkToEndAndRecordsIt)
{
    WorkerTask component;
    component.onExecute = [](WorkerTask*, WorkerThread* thread, void*&) {
        while (!thread->terminated())
            QThread::msleep(2);
    };
    component.start();
    component.stop();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_TRUE(component.endedByStop());
}

TEST(WorkerTask, StopResumesASuspendedThreadFirst)
{
    WorkerTask component;
    std::atomic<bool> ran{false};
    component.onStart = [](WorkerTask*, WorkerThread* thread, void*&) { thread->suspend(); };
    component.onExecute = [&](WorkerTask*, WorkerThread*, void*&) { ran = true; };
    component.start();
    QTest::qWait(50);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(component.workerThread()->suspended());
    component.stop();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(component.endedByStop());
}

TEST(WorkerTask, SuspendHoldsTheWorkAtItsNextCheckpoint)
{
    WorkerTask component;
    std::atomic<int> steps{0};
    Gate gate;
    component.onExecute = [&](WorkerTask*, WorkerThread* thread, void*&) {
        gate.wait();
        thread->waitWhileSuspended();
        ++steps;
    };
    component.start();
    component.suspend();
    gate.open = true;
    QTest::qWait(50);
    EXPECT_EQ(steps, 0);
    component.resume();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(steps, 1);
}

TEST(WorkerTask, ReportsProgressOnlyWhenUpdatesAreEnabled)
{
    WorkerTask component;
    component.setRefreshInterval(10);
    EXPECT_EQ(component.refreshInterval(), 10u);
    Gate gate;
    std::vector<int> reported;
    component.onExecute = [&](WorkerTask*, WorkerThread* thread, void*&) {
        thread->setPercent(42);
        gate.wait();
    };
    component.onUpdate = [&](WorkerTask*, WorkerThread*, void*&, int percent) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        reported.push_back(percent);
    };
    component.start();
    QTest::qWait(80);
    EXPECT_TRUE(reported.empty());
    EXPECT_FALSE(component.updateTimer().isActive());

    component.setUpdateEnabled(true);
    EXPECT_TRUE(component.updateTimer().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reported.empty() && reported.back() == 42; }, 2000));
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
    // The timer goes on after the end; ticks without a thread report nothing.
    const auto count = reported.size();
    EXPECT_TRUE(component.updateTimer().isActive());
    QTest::qWait(60);
    EXPECT_EQ(reported.size(), count);

    // Without a handler the timer runs all the same.
    component.onUpdate = nullptr;
    gate.open = false;
    component.start();
    EXPECT_TRUE(component.updateTimer().isActive());
    QTest::qWait(30);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
}

TEST(WorkerTask, HasItsDefaultsAndStopWhileIdleDoesNothing)
{
    WorkerTask component;
    component.stop();
    EXPECT_FALSE(component.isRunning());
    EXPECT_EQ(component.workerThread(), nullptr);
    EXPECT_EQ(component.refreshInterval(), 100u);
    EXPECT_EQ(component.priority(), ThreadPriority::tpNormal);
    EXPECT_FALSE(component.updateEnabled());
    EXPECT_EQ(component.synchroMethods(), nullptr);
    EXPECT_FALSE(component.updateTimer().isActive());
}

TEST(WorkerTask, AppliesAPriorityToTheRunningThreadAtOnce)
{
    WorkerTask component;
    Gate gate;
    component.onExecute = [&](WorkerTask*, WorkerThread*, void*&) { gate.wait(); };
    component.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return component.workerThread()->isRunning(); }, 2000));
    component.setPriority(ThreadPriority::tpLowest);
    EXPECT_EQ(component.workerThread()->priority(), QThread::LowestPriority);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
}

TEST(WorkerTask, DestroyingARunningComponentWaitsForItsThreadWithoutEndEvents)
{
    std::atomic<bool> workEnded{false};
    bool terminateCalled = false;
    {
        WorkerTask component;
        component.onExecute = [&](WorkerTask*, WorkerThread* thread, void*&) {
            while (!thread->terminated())
                QThread::msleep(2);
            workEnded = true;
        };
        component.onTerminate = [&](WorkerTask*, WorkerThread*, void*&) { terminateCalled = true; };
        component.start();
    }
    EXPECT_TRUE(workEnded);
    EXPECT_FALSE(terminateCalled);
}

} // namespace
