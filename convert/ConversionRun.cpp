// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionRun.h"

#include "convert/EncoderRunner.h"
#include "convert/JobReporter.h"
#include "convert/StallWatch.h"
#include "convert/WorkerTask.h"
#include "core/ConversionFrontEnd.h"
#include "core/SharedState.h"
#include "platform/OnThreadOf.h"

// What one job runs with: its own stall watch, reporter and runner.
struct ConversionRun::Slot {
    // The watch is a child of `run`, where its timer (ConversionCountTimer) is found by name.
    Slot(ConversionRun& run, int stallIntervalMs)
        : reporter(run.files_, run.frontEnd_)
        , runner(run.shared_, reporter, watch, run.verifier_)
    {
        watch.setParent(&run);
        watch.timer().setInterval(stallIntervalMs);
    }

    StallWatch watch;
    JobReporter reporter;
    EncoderRunner runner;
};

ConversionRun::ConversionRun(SharedState& shared, FileList& files, ConversionFrontEnd& frontEnd,
                             OutputVerifier& verifier, QObject* parent)
    : QObject(parent)
    , shared_(shared)
    , files_(files)
    , frontEnd_(frontEnd)
    , verifier_(verifier)
    , queue_(shared, files, frontEnd, [this](int index) { return slot(index); })
    , worker_(new WorkerTask(this))
{
    slots_.push_back(std::make_unique<Slot>(*this, StallWatch::kDefaultIntervalMs));
    worker_->setObjectName("BMDThreadConvertNow");
    worker_->onExecute = [this](WorkerTask*, WorkerThread*, void*&) { queue_.run(); };
    worker_->onTerminate = [this](WorkerTask*, WorkerThread*, void*&) { emit finished(); };
}

// The worker must be gone before the queue and the runners it uses; a walk
// still under way is stopped rather than waited for.
ConversionRun::~ConversionRun()
{
    if (worker_->isRunning())
        shared_.stopRequested = true;
    delete worker_;
}

void ConversionRun::start()
{
    worker_->start();
}

bool ConversionRun::running() const
{
    return worker_->isRunning();
}

bool ConversionRun::stopAccepted() const
{
    return shared_.isConverting;
}

void ConversionRun::stop()
{
    shared_.stopRequested = true;
    worker_->stop();
    frontEnd_.report(events::BarMoved{0});
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
                slots_.push_back(std::make_unique<Slot>(*this, stallWatch().timer().interval()));
        });
    }
    Slot& slot = *slots_[static_cast<std::size_t>(index)];
    return JobSlot{&slot.reporter, &slot.runner};
}
