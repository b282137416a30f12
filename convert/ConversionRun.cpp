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
    , BMDThreadConvertNow(new TBMDThread(this))
    , shared_(shared)
    , host_(host)
{
    BMDThreadConvertNow->setObjectName("BMDThreadConvertNow");
    BMDThreadConvertNow->OnExecute = [this](TBMDThreadBase*, TBMDExecuteThread*, void*&) {
        BMDThreadConvertNowExecute();
    };
}

// The worker must be gone before the queue and the runner it uses.
ConversionRun::~ConversionRun()
{
    delete BMDThreadConvertNow;
}

void ConversionRun::ConvertNow()
{
    BMDThreadConvertNow->Start();
}

bool ConversionRun::StopAccepted() const
{
    return shared_.isConverting;
}

void ConversionRun::StopConvert()
{
    shared_.stopRequested = true;
    KillProcessesByName(kEncoderName);
    BMDThreadConvertNow->Stop();
    host_.setProgressBar(0);
    shared_.stoppedByUser = true;
}

void ConversionRun::BMDThreadConvertNowExecute()
{
    queue.Run();
}
