// SPDX-License-Identifier: GPL-3.0-or-later
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
    : data(data)
    , owner_(owner)
{
}

bool WorkerThread::suspended() const
{
    std::lock_guard guard(suspendMutex_);
    return suspendCount_ > 0;
}

void WorkerThread::suspend()
{
    std::lock_guard guard(suspendMutex_);
    ++suspendCount_;
}

void WorkerThread::resume()
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
        start(ToQtPriority(owner_.priority()));
}

void WorkerThread::waitWhileSuspended()
{
    std::unique_lock guard(suspendMutex_);
    resumed_.wait(guard, [this] { return suspendCount_ == 0; });
}

void WorkerThread::run()
{
    waitWhileSuspended();
    owner_.doExecute();
}

WorkerTask::WorkerTask(QObject* parent)
    : QObject(parent)
{
    updateTimer_.setInterval(100);
    connect(&updateTimer_, &QTimer::timeout, this, [this] { doUpdate(); });
}

WorkerTask::~WorkerTask()
{
    updateTimer_.stop();
    if (thread_ != nullptr) {
        detached_ = true;
        thread_->requestTermination();
        while (thread_->suspended())
            thread_->resume();
        while (thread_ != nullptr)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

unsigned WorkerTask::refreshInterval() const
{
    return static_cast<unsigned>(updateTimer_.interval());
}

void WorkerTask::setRefreshInterval(unsigned milliseconds)
{
    updateTimer_.setInterval(static_cast<int>(milliseconds));
}

void WorkerTask::setPriority(ThreadPriority priority)
{
    priority_ = priority;
    if (thread_ != nullptr && thread_->isRunning())
        thread_->setPriority(ToQtPriority(priority));
}

void WorkerTask::setUpdateEnabled(bool enabled)
{
    if (enabled == updateEnabled_)
        return;
    updateEnabled_ = enabled;
    if (enabled)
        updateTimer_.start();
    else
        updateTimer_.stop();
}

void WorkerTask::start()
{
    startWithData(nullptr);
}

void WorkerTask::startWithData(void* data)
{
    if (thread_ != nullptr)
        return;
    thread_ = new WorkerThread(*this, data);
    WorkerThread* thread = thread_;
    connect(thread, &QThread::finished, this, [this, thread] { threadFinished(thread); }, Qt::QueuedConnection);
    endedByStop_ = false;
    threadStarting(thread);
    if (onStart) {
        std::lock_guard guard(lock_);
        onStart(this, thread, thread->data);
    }
    thread->resume();
    if (updateEnabled_)
        updateTimer_.start();
    else
        updateTimer_.stop();
}

void WorkerTask::stop()
{
    if (thread_ == nullptr)
        return;
    // The request comes first: a thread resumed before it could run its
    // work to the end and pass for one that was not stopped.
    thread_->requestTermination();
    thread_->resume();
}

void WorkerTask::suspend()
{
    if (thread_ != nullptr)
        thread_->suspend();
}

void WorkerTask::resume()
{
    if (thread_ != nullptr)
        thread_->resume();
}

void WorkerTask::doUpdate()
{
    WorkerThread* thread = thread_;
    if (thread == nullptr || !onUpdate)
        return;
    std::lock_guard guard(lock_);
    onUpdate(this, thread, thread->data, thread->percent());
}

void WorkerTask::doExecute()
{
    WorkerThread* thread = static_cast<WorkerThread*>(QThread::currentThread());
    if (onExecute)
        onExecute(this, thread, thread->data);
    endedByStop_ = thread->terminated();
}

void WorkerTask::threadTerminated(WorkerThread* sender)
{
    updateTimer_.stop();
    thread_ = nullptr;
    threadEnded(sender);
    if (onTerminate) {
        std::lock_guard guard(lock_);
        onTerminate(this, sender, sender->data);
    }
    if (updateEnabled_)
        updateTimer_.start();
}

void WorkerTask::threadDetached()
{
    thread_ = nullptr;
}

void WorkerTask::threadFinished(WorkerThread* thread)
{
    thread->wait();
    if (detached_)
        threadDetached();
    else
        threadTerminated(thread);
    delete thread;
}
