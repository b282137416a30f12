#include "convert/BMDThread.h"

TBMDThreadGroup::TBMDThreadGroup(QObject* parent)
    : TBMDThreadBase(parent)
{
}

// The thread list is worked out from the members whenever it is asked for,
// so it never falls out of step when a sub-group changes later; tearing a
// group down therefore only has its direct members leave it (each telling
// the groups above of its running threads' end), and sub-groups keep theirs.
TBMDThreadGroup::~TBMDThreadGroup()
{
    for (TBMDThreadBase* member : Members())
        member->SetThreadGroup(nullptr);
    SetThreadGroup(nullptr);
}

int TBMDThreadGroup::RunningCount()
{
    std::lock_guard guard(lock_);
    return runningCount_;
}

std::vector<TBMDThreadBase*> TBMDThreadGroup::Members()
{
    std::lock_guard guard(lock_);
    return members_;
}

std::vector<TBMDThread*> TBMDThreadGroup::Threads()
{
    return ThreadsBelow();
}

std::vector<TBMDThread*> TBMDThreadGroup::ThreadsBelow() const
{
    std::lock_guard guard(lock_);
    std::vector<TBMDThread*> threads;
    for (TBMDThreadBase* member : members_) {
        const auto below = member->ThreadsBelow();
        threads.insert(threads.end(), below.begin(), below.end());
    }
    return threads;
}

bool TBMDThreadGroup::IsRunning() const
{
    std::lock_guard guard(lock_);
    return runningCount_ > 0;
}

void TBMDThreadGroup::forEachMember(const std::function<void(TBMDThreadBase*)>& action)
{
    for (TBMDThreadBase* member : Members())
        action(member);
}

void TBMDThreadGroup::GroupThreadStarted(TBMDThreadGroup* group)
{
    forEachMember([group](TBMDThreadBase* member) { member->GroupThreadStarted(group); });
}

void TBMDThreadGroup::GroupThreadTerminated(TBMDThreadGroup* group)
{
    forEachMember([group](TBMDThreadBase* member) { member->GroupThreadTerminated(group); });
}

void TBMDThreadGroup::TellGroupOfEnd(TBMDThreadGroup* group)
{
    forEachMember([group](TBMDThreadBase* member) { member->TellGroupOfEnd(group); });
}

bool TBMDThreadGroup::IsSelfOrAncestorOf(const TBMDThreadGroup* group) const
{
    for (const TBMDThreadGroup* above = group; above != nullptr; above = above->ThreadGroup()) {
        if (above == this)
            return true;
    }
    return false;
}

bool TBMDThreadGroup::JoinGroup(TBMDThreadGroup* group)
{
    if (IsSelfOrAncestorOf(group))
        return false;
    if (IsRunning())
        GroupThreadStarted(group);
    std::lock_guard guard(group->lock_);
    group->members_.push_back(this);
    return true;
}

void TBMDThreadGroup::LeaveGroup(TBMDThreadGroup* group)
{
    if (IsRunning())
        TellGroupOfEnd(group);
    std::lock_guard guard(group->lock_);
    std::erase(group->members_, this);
}

void TBMDThreadGroup::Start()
{
    forEachMember([](TBMDThreadBase* member) { member->Start(); });
}

void TBMDThreadGroup::StartWithData(void* data)
{
    forEachMember([data](TBMDThreadBase* member) { member->StartWithData(data); });
}

void TBMDThreadGroup::Stop()
{
    forEachMember([](TBMDThreadBase* member) { member->Stop(); });
}

void TBMDThreadGroup::Suspend()
{
    forEachMember([](TBMDThreadBase* member) { member->Suspend(); });
}

void TBMDThreadGroup::Resume()
{
    forEachMember([](TBMDThreadBase* member) { member->Resume(); });
}

void TBMDThreadGroup::NotifyThreadStarted(TBMDThreadBase* S, TBMDExecuteThread* T, void*& Data)
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

void TBMDThreadGroup::NotifyThreadTerminated(TBMDThreadBase* S, TBMDExecuteThread* T, void*& Data)
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

void TBMDThreadGroup::MemberUpdate(TBMDThreadBase* S, TBMDExecuteThread* T, void*& Data, int priority, int percent)
{
    if (OnThreadUpdate)
        OnThreadUpdate(S, T, Data, percent);
    if (!OnUpdate)
        return;
    for (TBMDThreadBase* member : Members()) {
        if (member->IsRunning() && member->UpdatePriority > priority)
            return;
    }
    OnUpdate(S, T, Data, percent);
}
