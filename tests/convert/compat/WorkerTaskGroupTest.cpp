// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/compat/GroupedWorkerTask.h"

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
        component.updatePriority = priority;
        component.onExecute = [this](WorkerTask*, WorkerThread* thread, void*&) {
            thread->setPercent(percent);
            while (!release)
                QThread::msleep(2);
        };
    }
    ~HeldMember()
    {
        release = true;
        EXPECT_TRUE(QTest::qWaitFor([this] { return !component.isRunning(); }, 5000));
    }
    bool finish()
    {
        release = true;
        return QTest::qWaitFor([this] { return !component.isRunning(); }, 5000);
    }

    GroupedWorkerTask component;
    std::atomic<bool> release{false};
    int percent = 0;
};

TEST(WorkerTaskGroup, FiresItsStartForTheFirstMemberAndItsEndForTheLast)
{
    WorkerTaskGroup group;
    HeldMember a, b;
    a.component.setThreadGroup(&group);
    b.component.setThreadGroup(&group);
    std::vector<std::string> events;
    group.onStart = [&](WorkerTask* s, WorkerThread*, void*&) {
        events.push_back(s == &a.component ? "start a" : "start b");
    };
    group.onTerminate = [&](WorkerTask* s, WorkerThread*, void*&) {
        events.push_back(s == &a.component ? "end a" : "end b");
    };
    group.onThreadStart = [&](WorkerTask*, WorkerThread*, void*&) { events.push_back("thread start"); };
    group.onThreadTerminate = [&](WorkerTask*, WorkerThread*, void*&) { events.push_back("thread end"); };

    a.component.start();
    b.component.start();
    EXPECT_EQ(group.runningCount(), 2);
    EXPECT_TRUE(group.isRunning());
    ASSERT_TRUE(a.finish());
    EXPECT_EQ(group.runningCount(), 1);
    ASSERT_TRUE(b.finish());
    EXPECT_EQ(group.runningCount(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"thread start", "start a", "thread start", "thread end", "thread end",
                                                "end b"}));
}

// A group reports the progress of its running member with the highest
// priority, of all of them when they are equal; each member's own report
// comes through all the same.
TEST(WorkerTaskGroup, ReportsOnlyTheRunningMembersWithTheHighestPriority)
{
    for (const int second : {2, 1}) {
        WorkerTaskGroup group;
        HeldMember low(1), other(second);
        low.percent = 10;
        other.percent = 20;
        for (auto* member : {&low, &other}) {
            member->component.setThreadGroup(&group);
            member->component.setRefreshInterval(5);
            member->component.setUpdateEnabled(true);
        }
        std::map<int, int> threadUpdates;
        std::map<int, int> updates;
        group.onThreadUpdate = [&](WorkerTask*, WorkerThread*, void*&, int percent) { ++threadUpdates[percent]; };
        group.onUpdate = [&](WorkerTask*, WorkerThread*, void*&, int percent) { ++updates[percent]; };
        low.component.start();
        other.component.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return threadUpdates[10] > 3 && threadUpdates[20] > 3; }, 3000));
        EXPECT_EQ(updates[10] > 0, second == 1);
        EXPECT_GT(updates[20], 0);
        // Once the higher one has ended, the lower one reports.
        ASSERT_TRUE(other.finish());
        ASSERT_TRUE(QTest::qWaitFor([&] { return updates[10] > 0; }, 3000));
    }
}

TEST(WorkerTaskGroup, RefusesToJoinItselfOrAGroupBelowIt)
{
    WorkerTaskGroup top, middle, bottom;
    middle.setThreadGroup(&top);
    bottom.setThreadGroup(&middle);
    ASSERT_EQ(middle.threadGroup(), &top);
    ASSERT_EQ(bottom.threadGroup(), &middle);

    top.setThreadGroup(&top);
    EXPECT_EQ(top.threadGroup(), nullptr);
    top.setThreadGroup(&bottom);
    EXPECT_EQ(top.threadGroup(), nullptr);
    EXPECT_FALSE(top.joinGroup(&middle));
    EXPECT_EQ(top.members(), std::vector<GroupMember*>{&middle});
}

TEST(WorkerTaskGroup, PassesStartsAndEndsUpToTheGroupsAbove)
{
    WorkerTaskGroup top, sub;
    sub.setThreadGroup(&top);
    HeldMember member;
    member.component.setThreadGroup(&sub);
    int topStarts = 0;
    int topEnds = 0;
    top.onStart = [&](WorkerTask* s, WorkerThread*, void*&) {
        EXPECT_EQ(s, &member.component);
        ++topStarts;
    };
    top.onTerminate = [&](WorkerTask*, WorkerThread*, void*&) { ++topEnds; };
    member.component.start();
    EXPECT_EQ(sub.runningCount(), 1);
    EXPECT_EQ(top.runningCount(), 1);
    EXPECT_EQ(top.threads(), std::vector<WorkerTask*>{&member.component});
    ASSERT_TRUE(member.finish());
    EXPECT_EQ(top.runningCount(), 0);
    EXPECT_EQ(topStarts, 1);
    EXPECT_EQ(topEnds, 1);
}

TEST(WorkerTaskGroup, CountsARunningMemberThatJoinsOrLeaves)
{
    WorkerTaskGroup top, sub;
    HeldMember member;
    member.component.setThreadGroup(&sub);
    member.component.start();
    EXPECT_EQ(sub.runningCount(), 1);

    int topEnds = 0;
    top.onTerminate = [&](WorkerTask*, WorkerThread*, void*&) { ++topEnds; };
    sub.setThreadGroup(&top);
    EXPECT_EQ(top.runningCount(), 1);
    sub.setThreadGroup(nullptr);
    EXPECT_EQ(top.runningCount(), 0);
    EXPECT_EQ(topEnds, 1);
    EXPECT_TRUE(top.members().empty());
    EXPECT_TRUE(top.threads().empty());
    EXPECT_EQ(sub.runningCount(), 1);
}

TEST(WorkerTaskGroup, StartsAndStopsEveryMemberInListOrder)
{
    WorkerTaskGroup group;
    std::vector<WorkerTask*> order;
    GroupedWorkerTask a, b;
    for (auto* component : {&a, &b}) {
        component->setThreadGroup(&group);
        component->onStart = [&order](WorkerTask* s, WorkerThread*, void*&) {
            order.push_back(static_cast<WorkerTask*>(s));
        };
        component->onExecute = [](WorkerTask*, WorkerThread* thread, void*&) {
            while (!thread->terminated())
                QThread::msleep(2);
        };
    }
    group.start();
    EXPECT_EQ(order, (std::vector<WorkerTask*>{&a, &b}));
    EXPECT_TRUE(a.isRunning() && b.isRunning());
    group.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !group.isRunning(); }, 5000));
    EXPECT_TRUE(a.endedByStop() && b.endedByStop());
}

TEST(WorkerTaskGroup, TearingDownANestedGroupLeavesNoMemberPointingAtIt)
{
    WorkerTaskGroup top;
    HeldMember member;
    int topEnds = 0;
    top.onTerminate = [&](WorkerTask*, WorkerThread*, void*&) { ++topEnds; };
    {
        WorkerTaskGroup sub;
        sub.setThreadGroup(&top);
        member.component.setThreadGroup(&sub);
        member.component.start();
        EXPECT_EQ(top.runningCount(), 1);
    }
    EXPECT_EQ(member.component.threadGroup(), nullptr);
    EXPECT_EQ(top.runningCount(), 0);
    EXPECT_EQ(topEnds, 1);
    EXPECT_TRUE(top.members().empty());
    ASSERT_TRUE(member.finish());
}

} // namespace
