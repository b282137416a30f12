// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kept for the thread component's contract, which nothing in the product
// uses: groups of thread components (and of groups) that count their
// running members and pass their events on, also to the groups above them.
#include "convert/WorkerTask.h"

#include <QObject>

#include <functional>
#include <mutex>
#include <vector>

class WorkerTaskGroup;

// What thread components and groups have in common as members of a group.
class GroupMember {
public:
    virtual ~GroupMember() = default;

    // The rank of this member's progress within its group.
    int updatePriority = 0;

    WorkerTaskGroup* threadGroup() const { return threadGroup_; }
    // Leaves the group it is in and joins `group` (none: no group); a group
    // that cannot take it leaves it in none.
    void setThreadGroup(WorkerTaskGroup* group);

    virtual bool memberRunning() const = 0;
    virtual void groupThreadStarted(WorkerTaskGroup* group) = 0;
    virtual void groupThreadTerminated(WorkerTaskGroup* group) = 0;
    virtual bool joinGroup(WorkerTaskGroup* group) = 0;
    virtual void leaveGroup(WorkerTaskGroup* group) = 0;
    virtual void startMember(void* data) = 0;
    virtual void stopMember() = 0;
    virtual void suspendMember() = 0;
    virtual void resumeMember() = 0;
    // Tells `group` of the end of every running thread here; used when leaving it.
    virtual void tellGroupOfEnd(WorkerTaskGroup* group) = 0;
    // Every thread component at or below this member.
    virtual std::vector<WorkerTask*> threadsBelow() const = 0;

private:
    WorkerTaskGroup* threadGroup_ = nullptr;
};

class WorkerTaskGroup : public QObject, public GroupMember {
    Q_OBJECT
public:
    explicit WorkerTaskGroup(QObject* parent = nullptr);
    ~WorkerTaskGroup() override;

    // S: the member thread component, T: its thread.
    TaskUpdateEvent onUpdate;
    TaskDataEvent onStart;
    TaskDataEvent onTerminate;
    TaskUpdateEvent onThreadUpdate;
    TaskDataEvent onThreadStart;
    TaskDataEvent onThreadTerminate;

    int runningCount() const;
    bool isRunning() const;
    std::vector<GroupMember*> members() const;
    // The threads of this group and of every group below it.
    std::vector<WorkerTask*> threads() const;

    void start();
    void startWithData(void* data);
    void stop();
    void suspend();
    void resume();

    // Notifications from members.
    void notifyThreadStarted(WorkerTask* S, WorkerThread* T, void*& data);
    void notifyThreadTerminated(WorkerTask* S, WorkerThread* T, void*& data);
    void memberUpdate(WorkerTask* S, WorkerThread* T, void*& data, int priority, int percent);

    // True when this group is `group` or lies above it.
    bool isSelfOrAncestorOf(const WorkerTaskGroup* group) const;
    // Adds and removes a member, under the lock.
    void addMember(GroupMember* member);
    void removeMember(GroupMember* member);

    bool memberRunning() const override { return isRunning(); }
    void groupThreadStarted(WorkerTaskGroup* group) override;
    void groupThreadTerminated(WorkerTaskGroup* group) override;
    bool joinGroup(WorkerTaskGroup* group) override;
    void leaveGroup(WorkerTaskGroup* group) override;
    void startMember(void* data) override { startWithData(data); }
    void stopMember() override { stop(); }
    void suspendMember() override { suspend(); }
    void resumeMember() override { resume(); }
    void tellGroupOfEnd(WorkerTaskGroup* group) override;
    std::vector<WorkerTask*> threadsBelow() const override;

private:
    void forEachMember(const std::function<void(GroupMember*)>& action) const;

    mutable std::recursive_mutex lock_;
    std::vector<GroupMember*> members_;
    int runningCount_ = 0;
};
