#include "convert/ConversionRun.h"

#include "core/ConversionHost.h"
#include "core/SharedState.h"
#include "platform/OnThreadOf.h"

// What one job runs with: its own stall watch, host and runner.
struct ConversionRun::Slot {
    Slot(SharedState& shared, ConversionHost& host, OutputVerifier& verifier, int stallIntervalMs)
        : watch([&host](int row) { return host.frameCell(row); })
        , jobHost(host)
        , runner(shared, jobHost, watch, verifier)
    {
        watch.timer().setInterval(stallIntervalMs);
    }

    StallWatch watch;
    JobHost jobHost;
    EncoderRunner runner;
};

ConversionRun::ConversionRun(SharedState& shared, ConversionHost& host, OutputVerifier& verifier, QObject* parent)
    : QObject(parent)
    , queue(shared, host, [this](int index) { return slot(index); })
    , worker(new WorkerTask(this))
    , shared_(shared)
    , host_(host)
    , verifier_(verifier)
{
    slots_.push_back(std::make_unique<Slot>(shared, host, verifier, StallWatch::kDefaultIntervalMs));
    worker->setObjectName("BMDThreadConvertNow");
    worker->OnExecute = [this](WorkerTaskBase*, WorkerThread*, void*&) { runQueue(); };
}

// The worker must be gone before the queue and the runners it uses; a walk
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

StallWatch& ConversionRun::stallWatch()
{
    return slots_.front()->watch;
}

// Only the walk asks, from its thread, so the list grows only while the walk
// waits here.
JobSlot ConversionRun::slot(int index)
{
    if (index >= static_cast<int>(slots_.size())) {
        // Made on this object's thread, so that the watch's timer ticks on it.
        OnThreadOf(this, [this, index] {
            while (static_cast<int>(slots_.size()) <= index)
                slots_.push_back(std::make_unique<Slot>(shared_, host_, verifier_, stallWatch().timer().interval()));
        });
    }
    Slot& slot = *slots_[static_cast<std::size_t>(index)];
    return JobSlot{&slot.jobHost, &slot.runner};
}
