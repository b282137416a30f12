// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/compat/GroupedWorkerTask.h"

GroupedWorkerTask::GroupedWorkerTask(QObject* parent)
    : WorkerTask(parent)
{
}

// The group hears of no end: a running thread ends detached.
GroupedWorkerTask::~GroupedWorkerTask()
{
    if (threadGroup() != nullptr)
        threadGroup()->removeMember(this);
}

void GroupedWorkerTask::doUpdate()
{
    WorkerThread* thread = workerThread();
    if (thread != nullptr && threadGroup() != nullptr)
        threadGroup()->memberUpdate(this, thread, thread->data, updatePriority, thread->percent());
    WorkerTask::doUpdate();
}

void GroupedWorkerTask::threadStarting(WorkerThread* /*thread*/)
{
    groupThreadStarted(threadGroup());
}

void GroupedWorkerTask::threadEnded(WorkerThread* thread)
{
    endingThread_ = thread;
    groupThreadTerminated(threadGroup());
    endingThread_ = nullptr;
}

void GroupedWorkerTask::groupThreadStarted(WorkerTaskGroup* group)
{
    WorkerThread* thread = workerThread();
    if (thread != nullptr && group != nullptr)
        group->notifyThreadStarted(this, thread, thread->data);
}

void GroupedWorkerTask::groupThreadTerminated(WorkerTaskGroup* group)
{
    if (!isRunning() && group != nullptr && endingThread_ != nullptr)
        group->notifyThreadTerminated(this, endingThread_, endingThread_->data);
}

bool GroupedWorkerTask::joinGroup(WorkerTaskGroup* group)
{
    groupThreadStarted(group);
    group->addMember(this);
    return true;
}

void GroupedWorkerTask::leaveGroup(WorkerTaskGroup* group)
{
    tellGroupOfEnd(group);
    group->removeMember(this);
}

void GroupedWorkerTask::tellGroupOfEnd(WorkerTaskGroup* group)
{
    WorkerThread* thread = workerThread();
    if (thread != nullptr)
        group->notifyThreadTerminated(this, thread, thread->data);
}

std::vector<WorkerTask*> GroupedWorkerTask::threadsBelow() const
{
    return {const_cast<GroupedWorkerTask*>(this)};
}
