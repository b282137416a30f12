#include "convert/BMDThread.h"

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

bool WaitIdle(TBMDThreadBase& component, int ms = 5000)
{
    return QTest::qWaitFor([&] { return !component.IsRunning(); }, ms);
}

TEST(BMDThread, RunsTheWorkOnAnotherThreadAndReportsTheEndOnThisOne)
{
    TBMDThread component;
    QThread* workThread = nullptr;
    QThread* endThread = nullptr;
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&) { workThread = QThread::currentThread(); };
    component.OnTerminate = [&](TBMDThreadBase* sender, TBMDExecuteThread* thread, void*&) {
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

TEST(BMDThread, StartWhileRunningCreatesNoSecondThread)
{
    TBMDThread component;
    Gate gate;
    std::atomic<int> runs{0};
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&) {
        ++runs;
        gate.wait();
    };
    component.Start();
    TBMDExecuteThread* first = component.Thread();
    component.Start();
    EXPECT_EQ(component.Thread(), first);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(runs, 1);
}

TEST(BMDThread, PassesDataByReferenceThroughEveryEvent)
{
    TBMDThread component;
    int original = 1;
    int replaced = 2;
    void* seenByWork = nullptr;
    void* seenAtEnd = nullptr;
    component.OnStart = [&](TBMDThreadBase*, TBMDExecuteThread*, void*& data) {
        EXPECT_EQ(data, &original);
        data = &replaced;
    };
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread*, void*& data) { seenByWork = data; };
    component.OnTerminate = [&](TBMDThreadBase*, TBMDExecuteThread*, void*& data) { seenAtEnd = data; };
    component.StartWithData(&original);
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_EQ(seenByWork, &replaced);
    EXPECT_EQ(seenAtEnd, &replaced);
}

TEST(BMDThread, StopOnAnIdleComponentDoesNothing)
{
    TBMDThread component;
    component.Stop();
    EXPECT_FALSE(component.IsRunning());
    EXPECT_EQ(component.Thread(), nullptr);
}

TEST(BMDThread, StopAsksTheWorkToEndAndRecordsIt)
{
    TBMDThread component;
    component.OnExecute = [](TBMDThreadBase*, TBMDExecuteThread* thread, void*&) {
        while (!thread->Terminated())
            QThread::msleep(2);
    };
    component.Start();
    component.Stop();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_TRUE(component.EndedByStop());
}

TEST(BMDThread, StopResumesASuspendedThreadFirst)
{
    TBMDThread component;
    std::atomic<bool> ran{false};
    component.OnStart = [](TBMDThreadBase*, TBMDExecuteThread* thread, void*&) { thread->Suspend(); };
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&) { ran = true; };
    component.Start();
    QTest::qWait(50);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(component.Thread()->Suspended());
    component.Stop();
    ASSERT_TRUE(WaitIdle(component));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(component.EndedByStop());
}

TEST(BMDThread, SuspendHoldsTheWorkAtItsNextCheckpoint)
{
    TBMDThread component;
    std::atomic<int> steps{0};
    Gate gate;
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread* thread, void*&) {
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

TEST(BMDThread, ReportsProgressOnlyWhenUpdatesAreEnabled)
{
    TBMDThread component;
    component.SetRefreshInterval(10);
    EXPECT_EQ(component.RefreshInterval(), 10u);
    Gate gate;
    std::vector<int> reported;
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread* thread, void*&) {
        thread->SetPercent(42);
        gate.wait();
    };
    component.OnUpdate = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&, int percent) {
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

TEST(BMDThread, RunsTheUpdateTimerWithoutAnUpdateHandler)
{
    TBMDThread component;
    component.SetUpdateEnabled(true);
    component.SetRefreshInterval(5);
    Gate gate;
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&) { gate.wait(); };
    component.Start();
    EXPECT_TRUE(component.UpdateTimer().isActive());
    QTest::qWait(30);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
}

TEST(BMDThread, HasItsDefaults)
{
    TBMDThread component;
    EXPECT_EQ(component.RefreshInterval(), 100u);
    EXPECT_EQ(component.Priority(), TThreadPriority::tpNormal);
    EXPECT_FALSE(component.UpdateEnabled());
    EXPECT_EQ(component.UpdatePriority, 0);
    EXPECT_EQ(component.ThreadGroup(), nullptr);
    EXPECT_EQ(component.SynchroMethods(), nullptr);
    EXPECT_FALSE(component.UpdateTimer().isActive());
}

TEST(BMDThread, AppliesAPriorityToTheRunningThreadAtOnce)
{
    TBMDThread component;
    Gate gate;
    component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&) { gate.wait(); };
    component.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return component.Thread()->isRunning(); }, 2000));
    component.SetPriority(TThreadPriority::tpLowest);
    EXPECT_EQ(component.Thread()->priority(), QThread::LowestPriority);
    gate.open = true;
    ASSERT_TRUE(WaitIdle(component));
}

TEST(BMDThread, DestroyingARunningComponentWaitsForItsThreadWithoutEndEvents)
{
    std::atomic<bool> workEnded{false};
    bool terminateCalled = false;
    {
        TBMDThread component;
        component.OnExecute = [&](TBMDThreadBase*, TBMDExecuteThread* thread, void*&) {
            while (!thread->Terminated())
                QThread::msleep(2);
            workEnded = true;
        };
        component.OnTerminate = [&](TBMDThreadBase*, TBMDExecuteThread*, void*&) { terminateCalled = true; };
        component.Start();
    }
    EXPECT_TRUE(workEnded);
    EXPECT_FALSE(terminateCalled);
}

} // namespace
