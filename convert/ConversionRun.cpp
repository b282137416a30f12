#include "convert/ConversionRun.h"

#include "core/SharedState.h"
#include "core/ConversionHost.h"
#include "core/EncoderName.h"
#include "platform/KillProcessesByName.h"

ConversionRun::ConversionRun(SharedState& shared, ConversionHost& host, QObject* parent)
    : QObject(parent)
    , stallWatch(
          state, [&host](int row) { return host.frameCell(row); }, [] { KillProcessesByName(kEncoderName); }, this)
    , runner(shared, state, host, stallWatch)
    , queue(shared, state, host, runner)
    , worker(new WorkerTask(this))
    , shared_(shared)
    , host_(host)
{
    worker->setObjectName("BMDThreadConvertNow");
    worker->OnExecute = [this](WorkerTaskBase*, WorkerThread*, void*&) {
        runQueue();
    };
}

// The worker must be gone before the queue and the runner it uses.
ConversionRun::~ConversionRun()
{
    delete worker;
}

void ConversionRun::start()
{
    worker->Start();
}

bool ConversionRun::stopAccepted() const
{
    return shared_.isConverting;
}

void ConversionRun::stop()
{
    shared_.stopRequested = true;
    KillProcessesByName(kEncoderName);
    worker->Stop();
    host_.setProgressBar(0);
    shared_.stoppedByUser = true;
}

void ConversionRun::runQueue()
{
    queue.Run();
}
