#pragma once
// A component that runs one handler (OnExecute) on a background thread and
// reports the thread's start, progress and end through further events on the
// thread the component lives on (the window's thread). Components can be
// collected in groups, which count their running members and pass their
// events on, also to the groups above them.
//
// Threads here cannot be paused from outside at an arbitrary point, so a
// suspension takes hold before the work begins and wherever the work calls
// WorkerThread::WaitWhileSuspended.
#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

class WorkerTaskBase;
class WorkerTask;
class WorkerTaskGroup;
class WorkerThread;

using TaskDataEvent = std::function<void(WorkerTaskBase* Sender, WorkerThread* Thread, void*& Data)>;
using TaskUpdateEvent =
    std::function<void(WorkerTaskBase* Sender, WorkerThread* Thread, void*& Data, int Percent)>;

enum class ThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The thread object: created suspended, started by its first Resume, freed
// once its end has been handled on the component's thread.
class WorkerThread : public QThread {
    Q_OBJECT
public:
    WorkerThread(WorkerTask& owner, void* data);

    WorkerTask& Owner() const { return owner_; }
    void* Data = nullptr;

    int Percent() const { return percent_; }
    void SetPercent(int percent) { percent_ = percent; }

    bool Terminated() const { return terminated_; }
    void Terminate() { terminated_ = true; }
    bool Suspended() const;
    void Suspend();
    void Resume();
    // Blocks while a suspension is in force; called by the work where a pause is safe.
    void WaitWhileSuspended();

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

// What threads and groups have in common.
class WorkerTaskBase : public QObject {
    Q_OBJECT
public:
    explicit WorkerTaskBase(QObject* parent = nullptr);

    TaskUpdateEvent OnUpdate;
    TaskDataEvent OnStart;
    TaskDataEvent OnTerminate;
    int UpdatePriority = 0;

    WorkerTaskGroup* ThreadGroup() const { return threadGroup_; }
    void SetThreadGroup(WorkerTaskGroup* group);

    virtual bool IsRunning() const = 0;
    virtual void GroupThreadStarted(WorkerTaskGroup* group) = 0;
    virtual void GroupThreadTerminated(WorkerTaskGroup* group) = 0;
    virtual bool JoinGroup(WorkerTaskGroup* group) = 0;
    virtual void LeaveGroup(WorkerTaskGroup* group) = 0;
    virtual void Start() = 0;
    virtual void StartWithData(void* data) = 0;
    virtual void Stop() = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;

    // Tells `group` of the end of every running thread here; used when leaving it.
    virtual void TellGroupOfEnd(WorkerTaskGroup* group) = 0;
    // Every thread component at or below this object.
    virtual std::vector<WorkerTask*> ThreadsBelow() const = 0;

protected:
    mutable std::recursive_mutex lock_;

private:
    WorkerTaskGroup* threadGroup_ = nullptr;
};

class WorkerTask : public WorkerTaskBase {
    Q_OBJECT
public:
    explicit WorkerTask(QObject* parent = nullptr);
    ~WorkerTask() override;

    TaskDataEvent OnExecute;

    unsigned RefreshInterval() const;
    void SetRefreshInterval(unsigned milliseconds);
    ThreadPriority Priority() const { return priority_; }
    void SetPriority(ThreadPriority priority);
    bool UpdateEnabled() const { return updateEnabled_; }
    void SetUpdateEnabled(bool enabled);
    QObject* SynchroMethods() const { return nullptr; }
    // The running thread, or none.
    WorkerThread* Thread() const { return thread_; }
    // After the work returned: whether its thread had been asked to terminate.
    bool EndedByStop() const { return endedByStop_; }
    const QTimer& UpdateTimer() const { return updateTimer_; }

    bool IsRunning() const override { return thread_ != nullptr; }
    void GroupThreadStarted(WorkerTaskGroup* group) override;
    void GroupThreadTerminated(WorkerTaskGroup* group) override;
    bool JoinGroup(WorkerTaskGroup* group) override;
    void LeaveGroup(WorkerTaskGroup* group) override;
    void Start() override;
    void StartWithData(void* data) override;
    void Stop() override;
    void Suspend() override;
    void Resume() override;
    void TellGroupOfEnd(WorkerTaskGroup* group) override;
    std::vector<WorkerTask*> ThreadsBelow() const override;

    virtual void DoUpdate();
    virtual void DoExecute();
    virtual void ThreadTerminated(WorkerThread* sender);
    virtual void ThreadDetached();

private:
    void threadFinished(WorkerThread* thread);

    QTimer updateTimer_;
    WorkerThread* thread_ = nullptr;
    WorkerThread* endingThread_ = nullptr;
    ThreadPriority priority_ = ThreadPriority::tpNormal;
    bool updateEnabled_ = false;
    bool detached_ = false;
    std::atomic<bool> endedByStop_{false};
};

class WorkerTaskGroup : public WorkerTaskBase {
    Q_OBJECT
public:
    explicit WorkerTaskGroup(QObject* parent = nullptr);
    ~WorkerTaskGroup() override;

    TaskUpdateEvent OnThreadUpdate;
    TaskDataEvent OnThreadStart;
    TaskDataEvent OnThreadTerminate;

    virtual int RunningCount();
    std::vector<WorkerTaskBase*> Members();
    // The threads of this group and of every group below it.
    std::vector<WorkerTask*> Threads();

    bool IsRunning() const override;
    void GroupThreadStarted(WorkerTaskGroup* group) override;
    void GroupThreadTerminated(WorkerTaskGroup* group) override;
    bool JoinGroup(WorkerTaskGroup* group) override;
    void LeaveGroup(WorkerTaskGroup* group) override;
    void Start() override;
    void StartWithData(void* data) override;
    void Stop() override;
    void Suspend() override;
    void Resume() override;
    void TellGroupOfEnd(WorkerTaskGroup* group) override;
    std::vector<WorkerTask*> ThreadsBelow() const override;

    // Notifications from members (S: the member thread component, T: its thread).
    void NotifyThreadStarted(WorkerTaskBase* S, WorkerThread* T, void*& Data);
    void NotifyThreadTerminated(WorkerTaskBase* S, WorkerThread* T, void*& Data);
    void MemberUpdate(WorkerTaskBase* S, WorkerThread* T, void*& Data, int priority, int percent);

    // True when this group is `group` or lies above it.
    bool IsSelfOrAncestorOf(const WorkerTaskGroup* group) const;

private:
    friend class WorkerTask;
    void forEachMember(const std::function<void(WorkerTaskBase*)>& action);

    std::vector<WorkerTaskBase*> members_;
    int runningCount_ = 0;
};
