#include "convert/WorkerTask.h"

#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// A member whose work runs until released.
struct HeldMember {
    explicit HeldMember(int priority = 0)
    {
        component.UpdatePriority = priority;
        component.OnExecute = [this](WorkerTaskBase*, WorkerThread* thread, void*&) {
            thread->SetPercent(percent);
            while (!release)
                QThread::msleep(2);
        };
    }
    ~HeldMember()
    {
        release = true;
        EXPECT_TRUE(QTest::qWaitFor([this] { return !component.IsRunning(); }, 5000));
    }
    bool finish()
    {
        release = true;
        return QTest::qWaitFor([this] { return !component.IsRunning(); }, 5000);
    }

    WorkerTask component;
    std::atomic<bool> release{false};
    int percent = 0;
};

TEST(WorkerTaskGroup, FiresItsStartForTheFirstMemberAndItsEndForTheLast)
{
    WorkerTaskGroup group;
    HeldMember a, b;
    a.component.SetThreadGroup(&group);
    b.component.SetThreadGroup(&group);
    std::vector<std::string> events;
    group.OnStart = [&](WorkerTaskBase* s, WorkerThread*, void*&) {
        events.push_back(s == &a.component ? "start a" : "start b");
    };
    group.OnTerminate = [&](WorkerTaskBase* s, WorkerThread*, void*&) {
        events.push_back(s == &a.component ? "end a" : "end b");
    };
    group.OnThreadStart = [&](WorkerTaskBase*, WorkerThread*, void*&) { events.push_back("thread start"); };
    group.OnThreadTerminate = [&](WorkerTaskBase*, WorkerThread*, void*&) { events.push_back("thread end"); };

    a.component.Start();
    b.component.Start();
    EXPECT_EQ(group.RunningCount(), 2);
    EXPECT_TRUE(group.IsRunning());
    ASSERT_TRUE(a.finish());
    EXPECT_EQ(group.RunningCount(), 1);
    ASSERT_TRUE(b.finish());
    EXPECT_EQ(group.RunningCount(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"thread start", "start a", "thread start", "thread end", "thread end",
                                                "end b"}));
}

TEST(WorkerTaskGroup, ReportsOnlyTheRunningMemberWithTheHighestPriority)
{
    WorkerTaskGroup group;
    HeldMember low(1), high(2);
    low.percent = 10;
    high.percent = 20;
    for (auto* member : {&low, &high}) {
        member->component.SetThreadGroup(&group);
        member->component.SetRefreshInterval(5);
        member->component.SetUpdateEnabled(true);
    }
    std::map<int, int> threadUpdates;
    std::map<int, int> updates;
    group.OnThreadUpdate = [&](WorkerTaskBase*, WorkerThread*, void*&, int percent) { ++threadUpdates[percent]; };
    group.OnUpdate = [&](WorkerTaskBase*, WorkerThread*, void*&, int percent) { ++updates[percent]; };
    low.component.Start();
    high.component.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return threadUpdates[10] > 3 && threadUpdates[20] > 3; }, 3000));
    EXPECT_EQ(updates[10], 0);
    EXPECT_GT(updates[20], 0);

    // Once the higher one has ended, the lower one reports.
    ASSERT_TRUE(high.finish());
    ASSERT_TRUE(QTest::qWaitFor([&] { return updates[10] > 0; }, 3000));
}

TEST(WorkerTaskGroup, MembersOfEqualPriorityAllReport)
{
    WorkerTaskGroup group;
    HeldMember a(1), b(1);
    a.percent = 30;
    b.percent = 40;
    for (auto* member : {&a, &b}) {
        member->component.SetThreadGroup(&group);
        member->component.SetRefreshInterval(5);
        member->component.SetUpdateEnabled(true);
    }
    std::map<int, int> updates;
    group.OnUpdate = [&](WorkerTaskBase*, WorkerThread*, void*&, int percent) { ++updates[percent]; };
    a.component.Start();
    b.component.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return updates[30] > 0 && updates[40] > 0; }, 3000));
}

TEST(WorkerTaskGroup, RefusesToJoinItselfOrAGroupBelowIt)
{
    WorkerTaskGroup top, middle, bottom;
    middle.SetThreadGroup(&top);
    bottom.SetThreadGroup(&middle);
    ASSERT_EQ(middle.ThreadGroup(), &top);
    ASSERT_EQ(bottom.ThreadGroup(), &middle);

    top.SetThreadGroup(&top);
    EXPECT_EQ(top.ThreadGroup(), nullptr);
    top.SetThreadGroup(&bottom);
    EXPECT_EQ(top.ThreadGroup(), nullptr);
    EXPECT_FALSE(top.JoinGroup(&middle));
    EXPECT_EQ(top.Members(), std::vector<WorkerTaskBase*>{&middle});
}

TEST(WorkerTaskGroup, PassesStartsAndEndsUpToTheGroupsAbove)
{
    WorkerTaskGroup top, sub;
    sub.SetThreadGroup(&top);
    HeldMember member;
    member.component.SetThreadGroup(&sub);
    int topStarts = 0;
    int topEnds = 0;
    top.OnStart = [&](WorkerTaskBase* s, WorkerThread*, void*&) {
        EXPECT_EQ(s, &member.component);
        ++topStarts;
    };
    top.OnTerminate = [&](WorkerTaskBase*, WorkerThread*, void*&) { ++topEnds; };
    member.component.Start();
    EXPECT_EQ(sub.RunningCount(), 1);
    EXPECT_EQ(top.RunningCount(), 1);
    EXPECT_EQ(top.Threads(), std::vector<WorkerTask*>{&member.component});
    ASSERT_TRUE(member.finish());
    EXPECT_EQ(top.RunningCount(), 0);
    EXPECT_EQ(topStarts, 1);
    EXPECT_EQ(topEnds, 1);
}

TEST(WorkerTaskGroup, CountsARunningMemberThatJoinsOrLeaves)
{
    WorkerTaskGroup top, sub;
    HeldMember member;
    member.component.SetThreadGroup(&sub);
    member.component.Start();
    EXPECT_EQ(sub.RunningCount(), 1);

    int topEnds = 0;
    top.OnTerminate = [&](WorkerTaskBase*, WorkerThread*, void*&) { ++topEnds; };
    sub.SetThreadGroup(&top);
    EXPECT_EQ(top.RunningCount(), 1);
    sub.SetThreadGroup(nullptr);
    EXPECT_EQ(top.RunningCount(), 0);
    EXPECT_EQ(topEnds, 1);
    EXPECT_TRUE(top.Members().empty());
    EXPECT_TRUE(top.Threads().empty());
    EXPECT_EQ(sub.RunningCount(), 1);
}

TEST(WorkerTaskGroup, StartsAndStopsEveryMemberInListOrder)
{
    WorkerTaskGroup group;
    std::vector<WorkerTask*> order;
    WorkerTask a, b;
    for (auto* component : {&a, &b}) {
        component->SetThreadGroup(&group);
        component->OnStart = [&order](WorkerTaskBase* s, WorkerThread*, void*&) {
            order.push_back(static_cast<WorkerTask*>(s));
        };
        component->OnExecute = [](WorkerTaskBase*, WorkerThread* thread, void*&) {
            while (!thread->Terminated())
                QThread::msleep(2);
        };
    }
    group.Start();
    EXPECT_EQ(order, (std::vector<WorkerTask*>{&a, &b}));
    EXPECT_TRUE(a.IsRunning() && b.IsRunning());
    group.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !group.IsRunning(); }, 5000));
    EXPECT_TRUE(a.EndedByStop() && b.EndedByStop());
}

TEST(WorkerTaskGroup, TearingDownANestedGroupLeavesNoMemberPointingAtIt)
{
    WorkerTaskGroup top;
    HeldMember member;
    int topEnds = 0;
    top.OnTerminate = [&](WorkerTaskBase*, WorkerThread*, void*&) { ++topEnds; };
    {
        WorkerTaskGroup sub;
        sub.SetThreadGroup(&top);
        member.component.SetThreadGroup(&sub);
        member.component.Start();
        EXPECT_EQ(top.RunningCount(), 1);
    }
    EXPECT_EQ(member.component.ThreadGroup(), nullptr);
    EXPECT_EQ(top.RunningCount(), 0);
    EXPECT_EQ(topEnds, 1);
    EXPECT_TRUE(top.Members().empty());
    ASSERT_TRUE(member.finish());
}

} // namespace
