// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kept for the thread component's contract, which nothing in the product
// uses: a thread component that can be a member of a group.
#include "convert/WorkerTask.h"
#include "convert/compat/WorkerTaskGroup.h"

class GroupedWorkerTask : public WorkerTask, public GroupMember {
    Q_OBJECT
public:
    explicit GroupedWorkerTask(QObject* parent = nullptr);
    ~GroupedWorkerTask() override;

    void doUpdate() override;

    bool memberRunning() const override { return isRunning(); }
    void groupThreadStarted(WorkerTaskGroup* group) override;
    void groupThreadTerminated(WorkerTaskGroup* group) override;
    bool joinGroup(WorkerTaskGroup* group) override;
    void leaveGroup(WorkerTaskGroup* group) override;
    void startMember(void* data) override { startWithData(data); }
    void stopMember() override { stop(); }
    void suspendMember() override { suspend(); }
    void resumeMember() override { resume(); }
    void tellGroupOfEnd(WorkerTaskGroup* group) override;
    std::vector<WorkerTask*> threadsBelow() const override;

protected:
    void threadStarting(WorkerThread* thread) override;
    void threadEnded(WorkerThread* thread) override;

private:
    WorkerThread* endingThread_ = nullptr;
};
