// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/compat/WorkerTaskGroup.h"

void GroupMember::setThreadGroup(WorkerTaskGroup* group)
{
    if (group == threadGroup_)
        return;
    if (threadGroup_ != nullptr)
        leaveGroup(threadGroup_);
    threadGroup_ = nullptr;
    if (group != nullptr && joinGroup(group))
        threadGroup_ = group;
}

WorkerTaskGroup::WorkerTaskGroup(QObject* parent)
    : QObject(parent)
{
}

// The thread list is worked out from the members whenever it is asked for,
// so it never falls out of step when a sub-group changes later; tearing a
// group down therefore only has its direct members leave it (each telling
// the groups above of its running threads' end), and sub-groups keep theirs.
WorkerTaskGroup::~WorkerTaskGroup()
{
    for (GroupMember* member : members())
        member->setThreadGroup(nullptr);
    setThreadGroup(nullptr);
}

int WorkerTaskGroup::runningCount() const
{
    std::lock_guard guard(lock_);
    return runningCount_;
}

bool WorkerTaskGroup::isRunning() const
{
    return runningCount() > 0;
}

std::vector<GroupMember*> WorkerTaskGroup::members() const
{
    std::lock_guard guard(lock_);
    return members_;
}

std::vector<WorkerTask*> WorkerTaskGroup::threads() const
{
    return threadsBelow();
}

std::vector<WorkerTask*> WorkerTaskGroup::threadsBelow() const
{
    std::vector<WorkerTask*> threads;
    for (const GroupMember* member : members()) {
        const auto below = member->threadsBelow();
        threads.insert(threads.end(), below.begin(), below.end());
    }
    return threads;
}

void WorkerTaskGroup::addMember(GroupMember* member)
{
    std::lock_guard guard(lock_);
    members_.push_back(member);
}

void WorkerTaskGroup::removeMember(GroupMember* member)
{
    std::lock_guard guard(lock_);
    std::erase(members_, member);
}

void WorkerTaskGroup::forEachMember(const std::function<void(GroupMember*)>& action) const
{
    for (GroupMember* member : members())
        action(member);
}

void WorkerTaskGroup::start()
{
    startWithData(nullptr);
}

void WorkerTaskGroup::startWithData(void* data)
{
    forEachMember([data](GroupMember* member) { member->startMember(data); });
}

void WorkerTaskGroup::stop()
{
    forEachMember([](GroupMember* member) { member->stopMember(); });
}

void WorkerTaskGroup::suspend()
{
    forEachMember([](GroupMember* member) { member->suspendMember(); });
}

void WorkerTaskGroup::resume()
{
    forEachMember([](GroupMember* member) { member->resumeMember(); });
}

void WorkerTaskGroup::groupThreadStarted(WorkerTaskGroup* group)
{
    forEachMember([group](GroupMember* member) { member->groupThreadStarted(group); });
}

void WorkerTaskGroup::groupThreadTerminated(WorkerTaskGroup* group)
{
    forEachMember([group](GroupMember* member) { member->groupThreadTerminated(group); });
}

void WorkerTaskGroup::tellGroupOfEnd(WorkerTaskGroup* group)
{
    forEachMember([group](GroupMember* member) { member->tellGroupOfEnd(group); });
}

bool WorkerTaskGroup::isSelfOrAncestorOf(const WorkerTaskGroup* group) const
{
    for (const WorkerTaskGroup* above = group; above != nullptr; above = above->threadGroup()) {
        if (above == this)
            return true;
    }
    return false;
}

bool WorkerTaskGroup::joinGroup(WorkerTaskGroup* group)
{
    if (isSelfOrAncestorOf(group))
        return false;
    if (isRunning())
        groupThreadStarted(group);
    group->addMember(this);
    return true;
}

void WorkerTaskGroup::leaveGroup(WorkerTaskGroup* group)
{
    if (isRunning())
        tellGroupOfEnd(group);
    group->removeMember(this);
}

void WorkerTaskGroup::notifyThreadStarted(WorkerTask* S, WorkerThread* T, void*& data)
{
    int previous;
    {
        std::lock_guard guard(lock_);
        previous = runningCount_++;
        if (onThreadStart)
            onThreadStart(S, T, data);
    }
    if (threadGroup() != nullptr)
        threadGroup()->notifyThreadStarted(S, T, data);
    if (previous == 0 && onStart)
        onStart(S, T, data);
}

void WorkerTaskGroup::notifyThreadTerminated(WorkerTask* S, WorkerThread* T, void*& data)
{
    int now;
    {
        std::lock_guard guard(lock_);
        if (runningCount_ > 0)
            --runningCount_;
        now = runningCount_;
    }
    if (onThreadTerminate)
        onThreadTerminate(S, T, data);
    if (threadGroup() != nullptr)
        threadGroup()->notifyThreadTerminated(S, T, data);
    if (now == 0 && onTerminate)
        onTerminate(S, T, data);
}

void WorkerTaskGroup::memberUpdate(WorkerTask* S, WorkerThread* T, void*& data, int priority, int percent)
{
    if (onThreadUpdate)
        onThreadUpdate(S, T, data, percent);
    if (!onUpdate)
        return;
    for (const GroupMember* member : members()) {
        if (member->memberRunning() && member->updatePriority > priority)
            return;
    }
    onUpdate(S, T, data, percent);
}
