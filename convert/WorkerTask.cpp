#include "convert/WorkerTask.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

QThread::Priority ToQtPriority(ThreadPriority priority)
{
    switch (priority) {
    case ThreadPriority::tpIdle: return QThread::IdlePriority;
    case ThreadPriority::tpLowest: return QThread::LowestPriority;
    case ThreadPriority::tpLower: return QThread::LowPriority;
    case ThreadPriority::tpNormal: return QThread::NormalPriority;
    case ThreadPriority::tpHigher: return QThread::HighPriority;
    case ThreadPriority::tpHighest: return QThread::HighestPriority;
    case ThreadPriority::tpTimeCritical: return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

} // namespace

WorkerThread::WorkerThread(WorkerTask& owner, void* data)
    : Data(data)
    , owner_(owner)
{
}

bool WorkerThread::Suspended() const
{
    std::lock_guard guard(suspendMutex_);
    return suspendCount_ > 0;
}

void WorkerThread::Suspend()
{
    std::lock_guard guard(suspendMutex_);
    ++suspendCount_;
}

void WorkerThread::Resume()
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

void WorkerThread::WaitWhileSuspended()
{
    std::unique_lock guard(suspendMutex_);
    resumed_.wait(guard, [this] { return suspendCount_ == 0; });
}

void WorkerThread::run()
{
    WaitWhileSuspended();
    owner_.DoExecute();
}

WorkerTaskBase::WorkerTaskBase(QObject* parent)
    : QObject(parent)
{
}

void WorkerTaskBase::SetThreadGroup(WorkerTaskGroup* group)
{
    if (group == threadGroup_)
        return;
    if (threadGroup_ != nullptr)
        LeaveGroup(threadGroup_);
    threadGroup_ = nullptr;
    if (group != nullptr && JoinGroup(group))
        threadGroup_ = group;
}

WorkerTask::WorkerTask(QObject* parent)
    : WorkerTaskBase(parent)
{
    updateTimer_.setInterval(100);
    connect(&updateTimer_, &QTimer::timeout, this, [this] { DoUpdate(); });
}

WorkerTask::~WorkerTask()
{
    updateTimer_.stop();
    if (thread_ != nullptr) {
        detached_ = true;
        thread_->Terminate();
        while (thread_->Suspended())
            thread_->Resume();
        while (thread_ != nullptr)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    SetThreadGroup(nullptr);
}

unsigned WorkerTask::RefreshInterval() const
{
    return static_cast<unsigned>(updateTimer_.interval());
}

void WorkerTask::SetRefreshInterval(unsigned milliseconds)
{
    updateTimer_.setInterval(static_cast<int>(milliseconds));
}

void WorkerTask::SetPriority(ThreadPriority priority)
{
    priority_ = priority;
    if (thread_ != nullptr && thread_->isRunning())
        thread_->setPriority(ToQtPriority(priority));
}

void WorkerTask::SetUpdateEnabled(bool enabled)
{
    if (enabled == updateEnabled_)
        return;
    updateEnabled_ = enabled;
    if (enabled)
        updateTimer_.start();
    else
        updateTimer_.stop();
}

void WorkerTask::GroupThreadStarted(WorkerTaskGroup* group)
{
    if (IsRunning() && group != nullptr)
        group->NotifyThreadStarted(this, thread_, thread_->Data);
}

void WorkerTask::GroupThreadTerminated(WorkerTaskGroup* group)
{
    if (!IsRunning() && group != nullptr && endingThread_ != nullptr)
        group->NotifyThreadTerminated(this, endingThread_, endingThread_->Data);
}

bool WorkerTask::JoinGroup(WorkerTaskGroup* group)
{
    if (IsRunning())
        group->NotifyThreadStarted(this, thread_, thread_->Data);
    std::lock_guard guard(group->lock_);
    group->members_.push_back(this);
    return true;
}

void WorkerTask::LeaveGroup(WorkerTaskGroup* group)
{
    TellGroupOfEnd(group);
    std::lock_guard guard(group->lock_);
    std::erase(group->members_, this);
}

void WorkerTask::TellGroupOfEnd(WorkerTaskGroup* group)
{
    if (IsRunning())
        group->NotifyThreadTerminated(this, thread_, thread_->Data);
}

std::vector<WorkerTask*> WorkerTask::ThreadsBelow() const
{
    return {const_cast<WorkerTask*>(this)};
}

void WorkerTask::Start()
{
    StartWithData(nullptr);
}

void WorkerTask::StartWithData(void* data)
{
    if (thread_ != nullptr)
        return;
    thread_ = new WorkerThread(*this, data);
    WorkerThread* thread = thread_;
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

void WorkerTask::Stop()
{
    if (thread_ == nullptr)
        return;
    // The request comes first: a thread resumed before it could run its
    // work to the end and pass for one that was not stopped.
    thread_->Terminate();
    thread_->Resume();
}

void WorkerTask::Suspend()
{
    if (thread_ != nullptr)
        thread_->Suspend();
}

void WorkerTask::Resume()
{
    if (thread_ != nullptr)
        thread_->Resume();
}

void WorkerTask::DoUpdate()
{
    WorkerThread* thread = thread_;
    if (thread == nullptr)
        return;
    if (ThreadGroup() != nullptr)
        ThreadGroup()->MemberUpdate(this, thread, thread->Data, UpdatePriority, thread->Percent());
    if (OnUpdate) {
        std::lock_guard guard(lock_);
        OnUpdate(this, thread, thread->Data, thread->Percent());
    }
}

void WorkerTask::DoExecute()
{
    WorkerThread* thread = static_cast<WorkerThread*>(QThread::currentThread());
    if (OnExecute)
        OnExecute(this, thread, thread->Data);
    endedByStop_ = thread->Terminated();
}

void WorkerTask::ThreadTerminated(WorkerThread* sender)
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

void WorkerTask::ThreadDetached()
{
    thread_ = nullptr;
}

void WorkerTask::threadFinished(WorkerThread* thread)
{
    thread->wait();
    if (detached_)
        ThreadDetached();
    else
        ThreadTerminated(thread);
    delete thread;
}
