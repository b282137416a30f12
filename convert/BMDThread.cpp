#include "convert/BMDThread.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

QThread::Priority ToQtPriority(TThreadPriority priority)
{
    switch (priority) {
    case TThreadPriority::tpIdle: return QThread::IdlePriority;
    case TThreadPriority::tpLowest: return QThread::LowestPriority;
    case TThreadPriority::tpLower: return QThread::LowPriority;
    case TThreadPriority::tpNormal: return QThread::NormalPriority;
    case TThreadPriority::tpHigher: return QThread::HighPriority;
    case TThreadPriority::tpHighest: return QThread::HighestPriority;
    case TThreadPriority::tpTimeCritical: return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

} // namespace

TBMDExecuteThread::TBMDExecuteThread(TBMDThread& owner, void* data)
    : Data(data)
    , owner_(owner)
{
}

bool TBMDExecuteThread::Suspended() const
{
    std::lock_guard guard(suspendMutex_);
    return suspendCount_ > 0;
}

void TBMDExecuteThread::Suspend()
{
    std::lock_guard guard(suspendMutex_);
    ++suspendCount_;
}

void TBMDExecuteThread::Resume()
{
    bool startNow = false;
    {
        std::lock_guard guard(suspendMutex_);
        if (suspendCount_ > 0)
            --suspendCount_;
        if (suspendCount_ == 0 && !started_) {
            started_ = true;
            startNow = true;
        }
    }
    resumed_.notify_all();
    if (startNow)
        start(ToQtPriority(owner_.Priority()));
}

void TBMDExecuteThread::WaitWhileSuspended()
{
    std::unique_lock guard(suspendMutex_);
    resumed_.wait(guard, [this] { return suspendCount_ == 0; });
}

void TBMDExecuteThread::run()
{
    WaitWhileSuspended();
    owner_.DoExecute();
}

TBMDThreadBase::TBMDThreadBase(QObject* parent)
    : QObject(parent)
{
}

void TBMDThreadBase::SetThreadGroup(TBMDThreadGroup* group)
{
    if (group == threadGroup_)
        return;
    if (threadGroup_ != nullptr)
        LeaveGroup(threadGroup_);
    threadGroup_ = nullptr;
    if (group != nullptr && JoinGroup(group))
        threadGroup_ = group;
}

TBMDThread::TBMDThread(QObject* parent)
    : TBMDThreadBase(parent)
{
    updateTimer_.setInterval(100);
    connect(&updateTimer_, &QTimer::timeout, this, [this] { DoUpdate(); });
}

TBMDThread::~TBMDThread()
{
    updateTimer_.stop();
    if (thread_ != nullptr) {
        detached_ = true;
        while (thread_->Suspended())
            thread_->Resume();
        thread_->Terminate();
        while (thread_ != nullptr)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    SetThreadGroup(nullptr);
}

unsigned TBMDThread::RefreshInterval() const
{
    return static_cast<unsigned>(updateTimer_.interval());
}

void TBMDThread::SetRefreshInterval(unsigned milliseconds)
{
    updateTimer_.setInterval(static_cast<int>(milliseconds));
}

void TBMDThread::SetPriority(TThreadPriority priority)
{
    priority_ = priority;
    if (thread_ != nullptr && thread_->isRunning())
        thread_->setPriority(ToQtPriority(priority));
}

void TBMDThread::SetUpdateEnabled(bool enabled)
{
    if (enabled == updateEnabled_)
        return;
    updateEnabled_ = enabled;
    if (enabled)
        updateTimer_.start();
    else
        updateTimer_.stop();
}

void TBMDThread::GroupThreadStarted(TBMDThreadGroup* group)
{
    if (IsRunning() && group != nullptr)
        group->NotifyThreadStarted(this, thread_, thread_->Data);
}

void TBMDThread::GroupThreadTerminated(TBMDThreadGroup* group)
{
    if (!IsRunning() && group != nullptr && endingThread_ != nullptr)
        group->NotifyThreadTerminated(this, endingThread_, endingThread_->Data);
}

bool TBMDThread::JoinGroup(TBMDThreadGroup* group)
{
    if (IsRunning())
        group->NotifyThreadStarted(this, thread_, thread_->Data);
    std::lock_guard guard(group->lock_);
    group->members_.push_back(this);
    return true;
}

void TBMDThread::LeaveGroup(TBMDThreadGroup* group)
{
    TellGroupOfEnd(group);
    std::lock_guard guard(group->lock_);
    std::erase(group->members_, this);
}

void TBMDThread::TellGroupOfEnd(TBMDThreadGroup* group)
{
    if (IsRunning())
        group->NotifyThreadTerminated(this, thread_, thread_->Data);
}

std::vector<TBMDThread*> TBMDThread::ThreadsBelow() const
{
    return {const_cast<TBMDThread*>(this)};
}

void TBMDThread::Start()
{
    StartWithData(nullptr);
}

void TBMDThread::StartWithData(void* data)
{
    if (thread_ != nullptr)
        return;
    thread_ = new TBMDExecuteThread(*this, data);
    TBMDExecuteThread* thread = thread_;
    connect(thread, &QThread::finished, this, [this, thread] { threadFinished(thread); }, Qt::QueuedConnection);
    endedByStop_ = false;
    GroupThreadStarted(ThreadGroup());
    if (OnStart) {
        std::lock_guard guard(lock_);
        OnStart(this, thread, thread->Data);
    }
    thread->Resume();
    if (updateEnabled_)
        updateTimer_.start();
    else
        updateTimer_.stop();
}

void TBMDThread::Stop()
{
    if (thread_ == nullptr)
        return;
    thread_->Resume();
    thread_->Terminate();
}

void TBMDThread::Suspend()
{
    if (thread_ != nullptr)
        thread_->Suspend();
}

void TBMDThread::Resume()
{
    if (thread_ != nullptr)
        thread_->Resume();
}

void TBMDThread::DoUpdate()
{
    TBMDExecuteThread* thread = thread_;
    if (thread == nullptr)
        return;
    if (ThreadGroup() != nullptr)
        ThreadGroup()->MemberUpdate(this, thread, thread->Data, UpdatePriority, thread->Percent());
    if (OnUpdate) {
        std::lock_guard guard(lock_);
        OnUpdate(this, thread, thread->Data, thread->Percent());
    }
}

void TBMDThread::DoExecute()
{
    TBMDExecuteThread* thread = static_cast<TBMDExecuteThread*>(QThread::currentThread());
    if (OnExecute)
        OnExecute(this, thread, thread->Data);
    endedByStop_ = thread->Terminated();
}

void TBMDThread::ThreadTerminated(TBMDExecuteThread* sender)
{
    updateTimer_.stop();
    thread_ = nullptr;
    endingThread_ = sender;
    GroupThreadTerminated(ThreadGroup());
    endingThread_ = nullptr;
    if (OnTerminate) {
        std::lock_guard guard(lock_);
        OnTerminate(this, sender, sender->Data);
    }
    if (updateEnabled_)
        updateTimer_.start();
}

void TBMDThread::ThreadDetached()
{
    thread_ = nullptr;
}

void TBMDThread::threadFinished(TBMDExecuteThread* thread)
{
    thread->wait();
    if (detached_)
        ThreadDetached();
    else
        ThreadTerminated(thread);
    delete thread;
}
