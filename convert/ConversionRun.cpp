#include "convert/ConversionRun.h"

#include "core/ConversionHost.h"
#include "core/SharedState.h"

ConversionRun::ConversionRun(SharedState& shared, ConversionHost& host, OutputVerifier& verifier, QObject* parent)
    : QObject(parent)
    , stallWatch([&host](int row) { return host.frameCell(row); }, this)
    , runner(shared, host, stallWatch, verifier)
    , queue(shared, host, runner)
    , worker(new WorkerTask(this))
    , shared_(shared)
    , host_(host)
{
    worker->setObjectName("BMDThreadConvertNow");
    worker->OnExecute = [this](WorkerTaskBase*, WorkerThread*, void*&) { runQueue(); };
}

// The worker must be gone before the queue and the runner it uses; a walk
// still under way is stopped rather than waited for.
ConversionRun::~ConversionRun()
{
    if (worker->IsRunning())
        shared_.stopRequested = true;
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
    worker->Stop();
    host_.setProgressBar(0);
}

void ConversionRun::runQueue()
{
    queue.Run();
}
