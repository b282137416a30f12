#pragma once
// A component that runs one handler (OnExecute) on a background thread and
// reports the thread's start, progress and end through further events on the
// thread the component lives on (the window's thread). Components can be
// collected in groups, which count their running members and pass their
// events on, also to the groups above them.
//
// Threads here cannot be paused from outside at an arbitrary point, so a
// suspension takes hold before the work begins and wherever the work calls
// TBMDExecuteThread::WaitWhileSuspended.
#include <QObject>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

class TBMDThreadBase;
class TBMDThread;
class TBMDThreadGroup;
class TBMDExecuteThread;

using TBMDThreadDataNotifyEvent = std::function<void(TBMDThreadBase* Sender, TBMDExecuteThread* Thread, void*& Data)>;
using TBMDThreadUpdateNotifyEvent =
    std::function<void(TBMDThreadBase* Sender, TBMDExecuteThread* Thread, void*& Data, int Percent)>;

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The thread object: created suspended, started by its first Resume, freed
// once its end has been handled on the component's thread.
class TBMDExecuteThread : public QThread {
    Q_OBJECT
public:
    TBMDExecuteThread(TBMDThread& owner, void* data);

    TBMDThread& Owner() const { return owner_; }
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
    TBMDThread& owner_;
    std::atomic<int> percent_{0};
    std::atomic<bool> terminated_{false};
    mutable std::mutex suspendMutex_;
    std::condition_variable resumed_;
    int suspendCount_ = 1;
    bool started_ = false;
};

// What threads and groups have in common.
class TBMDThreadBase : public QObject {
    Q_OBJECT
public:
    explicit TBMDThreadBase(QObject* parent = nullptr);

    TBMDThreadUpdateNotifyEvent OnUpdate;
    TBMDThreadDataNotifyEvent OnStart;
    TBMDThreadDataNotifyEvent OnTerminate;
    int UpdatePriority = 0;

    TBMDThreadGroup* ThreadGroup() const { return threadGroup_; }
    void SetThreadGroup(TBMDThreadGroup* group);

    virtual bool IsRunning() const = 0;
    virtual void GroupThreadStarted(TBMDThreadGroup* group) = 0;
    virtual void GroupThreadTerminated(TBMDThreadGroup* group) = 0;
    virtual bool JoinGroup(TBMDThreadGroup* group) = 0;
    virtual void LeaveGroup(TBMDThreadGroup* group) = 0;
    virtual void Start() = 0;
    virtual void StartWithData(void* data) = 0;
    virtual void Stop() = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;

    // Tells `group` of the end of every running thread here; used when leaving it.
    virtual void TellGroupOfEnd(TBMDThreadGroup* group) = 0;
    // Every thread component at or below this object.
    virtual std::vector<TBMDThread*> ThreadsBelow() const = 0;

protected:
    mutable std::recursive_mutex lock_;

private:
    TBMDThreadGroup* threadGroup_ = nullptr;
};

class TBMDThread : public TBMDThreadBase {
    Q_OBJECT
public:
    explicit TBMDThread(QObject* parent = nullptr);
    ~TBMDThread() override;

    TBMDThreadDataNotifyEvent OnExecute;

    unsigned RefreshInterval() const;
    void SetRefreshInterval(unsigned milliseconds);
    TThreadPriority Priority() const { return priority_; }
    void SetPriority(TThreadPriority priority);
    bool UpdateEnabled() const { return updateEnabled_; }
    void SetUpdateEnabled(bool enabled);
    QObject* SynchroMethods() const { return nullptr; }
    // The running thread, or none.
    TBMDExecuteThread* Thread() const { return thread_; }
    // After the work returned: whether its thread had been asked to terminate.
    bool EndedByStop() const { return endedByStop_; }
    const QTimer& UpdateTimer() const { return updateTimer_; }

    bool IsRunning() const override { return thread_ != nullptr; }
    void GroupThreadStarted(TBMDThreadGroup* group) override;
    void GroupThreadTerminated(TBMDThreadGroup* group) override;
    bool JoinGroup(TBMDThreadGroup* group) override;
    void LeaveGroup(TBMDThreadGroup* group) override;
    void Start() override;
    void StartWithData(void* data) override;
    void Stop() override;
    void Suspend() override;
    void Resume() override;
    void TellGroupOfEnd(TBMDThreadGroup* group) override;
    std::vector<TBMDThread*> ThreadsBelow() const override;

    virtual void DoUpdate();
    virtual void DoExecute();
    virtual void ThreadTerminated(TBMDExecuteThread* sender);
    virtual void ThreadDetached();

private:
    void threadFinished(TBMDExecuteThread* thread);

    QTimer updateTimer_;
    TBMDExecuteThread* thread_ = nullptr;
    TBMDExecuteThread* endingThread_ = nullptr;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    bool updateEnabled_ = false;
    bool detached_ = false;
    std::atomic<bool> endedByStop_{false};
};

class TBMDThreadGroup : public TBMDThreadBase {
    Q_OBJECT
public:
    explicit TBMDThreadGroup(QObject* parent = nullptr);
    ~TBMDThreadGroup() override;

    TBMDThreadUpdateNotifyEvent OnThreadUpdate;
    TBMDThreadDataNotifyEvent OnThreadStart;
    TBMDThreadDataNotifyEvent OnThreadTerminate;

    virtual int RunningCount();
    std::vector<TBMDThreadBase*> Members();
    // The threads of this group and of every group below it.
    std::vector<TBMDThread*> Threads();

    bool IsRunning() const override;
    void GroupThreadStarted(TBMDThreadGroup* group) override;
    void GroupThreadTerminated(TBMDThreadGroup* group) override;
    bool JoinGroup(TBMDThreadGroup* group) override;
    void LeaveGroup(TBMDThreadGroup* group) override;
    void Start() override;
    void StartWithData(void* data) override;
    void Stop() override;
    void Suspend() override;
    void Resume() override;
    void TellGroupOfEnd(TBMDThreadGroup* group) override;
    std::vector<TBMDThread*> ThreadsBelow() const override;

    // Notifications from members (S: the member thread component, T: its thread).
    void NotifyThreadStarted(TBMDThreadBase* S, TBMDExecuteThread* T, void*& Data);
    void NotifyThreadTerminated(TBMDThreadBase* S, TBMDExecuteThread* T, void*& Data);
    void MemberUpdate(TBMDThreadBase* S, TBMDExecuteThread* T, void*& Data, int priority, int percent);

    // True when this group is `group` or lies above it.
    bool IsSelfOrAncestorOf(const TBMDThreadGroup* group) const;

private:
    friend class TBMDThread;
    void forEachMember(const std::function<void(TBMDThreadBase*)>& action);

    std::vector<TBMDThreadBase*> members_;
    int runningCount_ = 0;
};
