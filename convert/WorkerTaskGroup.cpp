#include "convert/WorkerTask.h"

WorkerTaskGroup::WorkerTaskGroup(QObject* parent)
    : WorkerTaskBase(parent)
{
}

// The thread list is worked out from the members whenever it is asked for,
// so it never falls out of step when a sub-group changes later; tearing a
// group down therefore only has its direct members leave it (each telling
// the groups above of its running threads' end), and sub-groups keep theirs.
WorkerTaskGroup::~WorkerTaskGroup()
{
    for (WorkerTaskBase* member : Members())
        member->SetThreadGroup(nullptr);
    SetThreadGroup(nullptr);
}

int WorkerTaskGroup::RunningCount()
{
    std::lock_guard guard(lock_);
    return runningCount_;
}

std::vector<WorkerTaskBase*> WorkerTaskGroup::Members()
{
    std::lock_guard guard(lock_);
    return members_;
}

std::vector<WorkerTask*> WorkerTaskGroup::Threads()
{
    return ThreadsBelow();
}

std::vector<WorkerTask*> WorkerTaskGroup::ThreadsBelow() const
{
    std::lock_guard guard(lock_);
    std::vector<WorkerTask*> threads;
    for (WorkerTaskBase* member : members_) {
        const auto below = member->ThreadsBelow();
        threads.insert(threads.end(), below.begin(), below.end());
    }
    return threads;
}

bool WorkerTaskGroup::IsRunning() const
{
    std::lock_guard guard(lock_);
    return runningCount_ > 0;
}

void WorkerTaskGroup::forEachMember(const std::function<void(WorkerTaskBase*)>& action)
{
    for (WorkerTaskBase* member : Members())
        action(member);
}

void WorkerTaskGroup::GroupThreadStarted(WorkerTaskGroup* group)
{
    forEachMember([group](WorkerTaskBase* member) { member->GroupThreadStarted(group); });
}

void WorkerTaskGroup::GroupThreadTerminated(WorkerTaskGroup* group)
{
    forEachMember([group](WorkerTaskBase* member) { member->GroupThreadTerminated(group); });
}

void WorkerTaskGroup::TellGroupOfEnd(WorkerTaskGroup* group)
{
    forEachMember([group](WorkerTaskBase* member) { member->TellGroupOfEnd(group); });
}

bool WorkerTaskGroup::IsSelfOrAncestorOf(const WorkerTaskGroup* group) const
{
    for (const WorkerTaskGroup* above = group; above != nullptr; above = above->ThreadGroup()) {
        if (above == this)
            return true;
    }
    return false;
}

bool WorkerTaskGroup::JoinGroup(WorkerTaskGroup* group)
{
    if (IsSelfOrAncestorOf(group))
        return false;
    if (IsRunning())
        GroupThreadStarted(group);
    std::lock_guard guard(group->lock_);
    group->members_.push_back(this);
    return true;
}

void WorkerTaskGroup::LeaveGroup(WorkerTaskGroup* group)
{
    if (IsRunning())
        TellGroupOfEnd(group);
    std::lock_guard guard(group->lock_);
    std::erase(group->members_, this);
}

void WorkerTaskGroup::Start()
{
    forEachMember([](WorkerTaskBase* member) { member->Start(); });
}

void WorkerTaskGroup::StartWithData(void* data)
{
    forEachMember([data](WorkerTaskBase* member) { member->StartWithData(data); });
}

void WorkerTaskGroup::Stop()
{
    forEachMember([](WorkerTaskBase* member) { member->Stop(); });
}

void WorkerTaskGroup::Suspend()
{
    forEachMember([](WorkerTaskBase* member) { member->Suspend(); });
}

void WorkerTaskGroup::Resume()
{
    forEachMember([](WorkerTaskBase* member) { member->Resume(); });
}

void WorkerTaskGroup::NotifyThreadStarted(WorkerTaskBase* S, WorkerThread* T, void*& Data)
{
    int previous;
    {
        std::lock_guard guard(lock_);
        previous = runningCount_++;
        if (OnThreadStart)
            OnThreadStart(S, T, Data);
    }
    if (ThreadGroup() != nullptr)
        ThreadGroup()->NotifyThreadStarted(S, T, Data);
    if (previous == 0 && OnStart)
        OnStart(S, T, Data);
}

void WorkerTaskGroup::NotifyThreadTerminated(WorkerTaskBase* S, WorkerThread* T, void*& Data)
{
    int now;
    {
        std::lock_guard guard(lock_);
        if (runningCount_ > 0)
            --runningCount_;
        now = runningCount_;
    }
    if (OnThreadTerminate)
        OnThreadTerminate(S, T, Data);
    if (ThreadGroup() != nullptr)
        ThreadGroup()->NotifyThreadTerminated(S, T, Data);
    if (now == 0 && OnTerminate)
        OnTerminate(S, T, Data);
}

void WorkerTaskGroup::MemberUpdate(WorkerTaskBase* S, WorkerThread* T, void*& Data, int priority, int percent)
{
    if (OnThreadUpdate)
        OnThreadUpdate(S, T, Data, percent);
    if (!OnUpdate)
        return;
    for (WorkerTaskBase* member : Members()) {
        if (member->IsRunning() && member->UpdatePriority > priority)
            return;
    }
    OnUpdate(S, T, Data, percent);
}
