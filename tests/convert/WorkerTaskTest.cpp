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

bool WaitIdle(WorkerTaskBase& component, int ms = 5000)
{
    return QTest::qWaitFor([&] { return !component.IsRunning(); }, ms);
}

TEST(WorkerTask, RunsTheWorkOnAnotherThreadAndReportsTheEndOnThisOne)
{
    WorkerTask component;
    QThread* workThread = nullptr;
    QThread* endThread = nullptr;
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread*, void*&) { workThread = QThread::currentThread(); };
    component.OnTerminate = [&](WorkerTaskBase* sender, WorkerThread* thread, void*&) {
        endThread = QThread::currentThread();
        EXPECT_EQ(sender, &component);
        EXPECT_NE(thread, nullptr);
        EXPECT_FALSE(component.IsRunning());
    };
    component.Start();
    EXPECT_TRUE(component.IsRunning());
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_NE(workThread, QThread::currentThread());
    EXPECT_NE(workThread, nullptr);
    EXPECT_EQ(endThread, QThread::currentThread());
    EXPECT_FALSE(component.EndedByStop());
}

TEST(WorkerTask, StartWhileRunningCreatesNoSecondThread)
{
    WorkerTask component;
    Gate gate;
    std::atomic<int> runs{0};
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread*, void*&) {
        ++runs;
        gate.wait();
    };
    component.Start();
    WorkerThread* first = component.Thread();
    component.Start();
    EXPECT_EQ(component.Thread(), first);
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
    component.OnStart = [&](WorkerTaskBase*, WorkerThread*, void*& data) {
        EXPECT_EQ(data, &original);
        data = &replaced;
    };
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread*, void*& data) { seenByWork = data; };
    component.OnTerminate = [&](WorkerTaskBase*, WorkerThread*, void*& data) { seenAtEnd = data; };
    component.StartWithData(&original);
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(seenByWork, &replaced);
    EXPECT_EQ(seenAtEnd, &replaced);
}

TEST(WorkerTask, StopOnAnIdleComponentDoesNothing)
{
    WorkerTask component;
    component.Stop();
    EXPECT_FALSE(component.IsRunning());
    EXPECT_EQ(component.Thread(), nullptr);
}

TEST(WorkerTask, StopAsksTheWorkToEndAndRecordsIt)
{
    WorkerTask component;
    component.OnExecute = [](WorkerTaskBase*, WorkerThread* thread, void*&) {
        while (!thread->Terminated())
            QThread::msleep(2);
    };
    component.Start();
    component.Stop();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_TRUE(component.EndedByStop());
}

TEST(WorkerTask, StopResumesASuspendedThreadFirst)
{
    WorkerTask component;
    std::atomic<bool> ran{false};
    component.OnStart = [](WorkerTaskBase*, WorkerThread* thread, void*&) { thread->Suspend(); };
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread*, void*&) { ran = true; };
    component.Start();
    QTest::qWait(50);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(component.Thread()->Suspended());
    component.Stop();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(component.EndedByStop());
}

TEST(WorkerTask, SuspendHoldsTheWorkAtItsNextCheckpoint)
{
    WorkerTask component;
    std::atomic<int> steps{0};
    Gate gate;
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread* thread, void*&) {
        gate.wait();
        thread->WaitWhileSuspended();
        ++steps;
    };
    component.Start();
    component.Suspend();
    gate.open = true;
    QTest::qWait(50);
    EXPECT_EQ(steps, 0);
    component.Resume();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(steps, 1);
}

TEST(WorkerTask, ReportsProgressOnlyWhenUpdatesAreEnabled)
{
    WorkerTask component;
    component.SetRefreshInterval(10);
    EXPECT_EQ(component.RefreshInterval(), 10u);
    Gate gate;
    std::vector<int> reported;
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread* thread, void*&) {
        thread->SetPercent(42);
        gate.wait();
    };
    component.OnUpdate = [&](WorkerTaskBase*, WorkerThread*, void*&, int percent) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        reported.push_back(percent);
    };
    component.Start();
    QTest::qWait(80);
    EXPECT_TRUE(reported.empty());
    EXPECT_FALSE(component.UpdateTimer().isActive());

    component.SetUpdateEnabled(true);
    EXPECT_TRUE(component.UpdateTimer().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reported.empty() && reported.back() == 42; }, 2000));
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
    // The timer goes on after the end; ticks without a thread report nothing.
    const auto count = reported.size();
    EXPECT_TRUE(component.UpdateTimer().isActive());
    QTest::qWait(60);
    EXPECT_EQ(reported.size(), count);
}

TEST(WorkerTask, RunsTheUpdateTimerWithoutAnUpdateHandler)
{
    WorkerTask component;
    component.SetUpdateEnabled(true);
    component.SetRefreshInterval(5);
    Gate gate;
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread*, void*&) { gate.wait(); };
    component.Start();
    EXPECT_TRUE(component.UpdateTimer().isActive());
    QTest::qWait(30);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
}

TEST(WorkerTask, HasItsDefaults)
{
    WorkerTask component;
    EXPECT_EQ(component.RefreshInterval(), 100u);
    EXPECT_EQ(component.Priority(), ThreadPriority::tpNormal);
    EXPECT_FALSE(component.UpdateEnabled());
    EXPECT_EQ(component.UpdatePriority, 0);
    EXPECT_EQ(component.ThreadGroup(), nullptr);
    EXPECT_EQ(component.SynchroMethods(), nullptr);
    EXPECT_FALSE(component.UpdateTimer().isActive());
}

TEST(WorkerTask, AppliesAPriorityToTheRunningThreadAtOnce)
{
    WorkerTask component;
    Gate gate;
    component.OnExecute = [&](WorkerTaskBase*, WorkerThread*, void*&) { gate.wait(); };
    component.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return component.Thread()->isRunning(); }, 2000));
    component.SetPriority(ThreadPriority::tpLowest);
    EXPECT_EQ(component.Thread()->priority(), QThread::LowestPriority);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
}

TEST(WorkerTask, DestroyingARunningComponentWaitsForItsThreadWithoutEndEvents)
{
    std::atomic<bool> workEnded{false};
    bool terminateCalled = false;
    {
        WorkerTask component;
        component.OnExecute = [&](WorkerTaskBase*, WorkerThread* thread, void*&) {
            while (!thread->Terminated())
                QThread::msleep(2);
            workEnded = true;
        };
        component.OnTerminate = [&](WorkerTaskBase*, WorkerThread*, void*&) { terminateCalled = true; };
        component.Start();
    }
    EXPECT_TRUE(workEnded);
    EXPECT_FALSE(terminateCalled);
}

} // namespace
