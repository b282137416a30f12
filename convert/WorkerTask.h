// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A component that runs one handler (onExecute) on a background thread and
// reports the thread's start, progress and end through further events on the
// thread the component lives on (the window's thread).
//
// Threads here cannot be paused from outside at an arbitrary point, so a
// suspension takes hold before the work begins and wherever the work calls
// WorkerThread::waitWhileSuspended.
#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class WorkerTask;
class WorkerThread;

using TaskDataEvent = std::function<void(WorkerTask* sender, WorkerThread* thread, void*& data)>;
using TaskUpdateEvent = std::function<void(WorkerTask* sender, WorkerThread* thread, void*& data, int percent)>;

enum class ThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The thread object: created suspended, started by its first resume, freed
// once its end has been handled on the component's thread.
class WorkerThread : public QThread {
    Q_OBJECT
public:
    WorkerThread(WorkerTask& owner, void* data);

    WorkerTask& owner() const { return owner_; }
    void* data = nullptr;

    int percent() const { return percent_; }
    void setPercent(int percent) { percent_ = percent; }

    // The stop request, which the work may poll.
    bool terminated() const { return terminated_; }
    void requestTermination() { terminated_ = true; }
    bool suspended() const;
    void suspend();
    void resume();
    // Blocks while a suspension is in force; called by the work where a pause is safe.
    void waitWhileSuspended();

protected:
    void run() override;

private:
    WorkerTask& owner_;
    std::atomic<int> percent_{0};
    std::atomic<bool> terminated_{false};
    mutable std::mutex suspendMutex_;
    std::condition_variable resumed_;
    int suspendCount_ = 1;
    bool started_ = false;
};

class WorkerTask : public QObject {
    Q_OBJECT
public:
    explicit WorkerTask(QObject* parent = nullptr);
    ~WorkerTask() override;

    TaskDataEvent onExecute;
    TaskDataEvent onStart;
    TaskDataEvent onTerminate;
    TaskUpdateEvent onUpdate;

    unsigned refreshInterval() const;
    void setRefreshInterval(unsigned milliseconds);
    ThreadPriority priority() const { return priority_; }
    void setPriority(ThreadPriority priority);
    bool updateEnabled() const { return updateEnabled_; }
    void setUpdateEnabled(bool enabled);
    QObject* synchroMethods() const { return nullptr; }
    // The running thread, or none.
    WorkerThread* workerThread() const { return thread_; }
    // After the work returned: whether its thread had been asked to terminate.
    bool endedByStop() const { return endedByStop_; }
    const QTimer& updateTimer() const { return updateTimer_; }

    bool isRunning() const { return thread_ != nullptr; }
    void start();
    void startWithData(void* data);
    void stop();
    void suspend();
    void resume();

    virtual void doUpdate();
    virtual void doExecute();
    virtual void threadTerminated(WorkerThread* sender);
    virtual void threadDetached();

protected:
    // A thread starts (before onStart) or has ended (before onTerminate).
    virtual void threadStarting(WorkerThread* /*thread*/) {}
    virtual void threadEnded(WorkerThread* /*thread*/) {}

    mutable std::recursive_mutex lock_;

private:
    void threadFinished(WorkerThread* thread);

    QTimer updateTimer_;
    WorkerThread* thread_ = nullptr;
    ThreadPriority priority_ = ThreadPriority::tpNormal;
    bool updateEnabled_ = false;
    bool detached_ = false;
    std::atomic<bool> endedByStop_{false};
};
