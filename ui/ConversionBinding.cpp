#include "ui/ConversionBinding.h"

#include "ui/Application.h"
#include "ui/BatchStatus.h"
#include "ui/DesktopNotifier.h"
#include "core/Messages.h"
#include "ui/ShellBinder.h"
#include "ui/MainWindow.h"
#include "core/Texts.h"
#include "platform/PowerOff.h"

#include <QCoreApplication>
#include <QToolButton>

ConversionBinding::ConversionBinding(Application& app)
    : countdown(app.state, *app.shutdownWarning, [] { QCoreApplication::exit(0); })
    , host(*app.mainWindow, *app.optionsDialog, *app.busyLock, app.shell->listCommands, app.messages, countdown, app.state.appDir)
    , run(app.state, host)
    , batchStatus(new BatchStatus(*app.mainWindow, app.messages))
    , app_(app)
{
    host.setBatchStatus(batchStatus);
    connect(app.mainWindow->convertButton, &QToolButton::clicked, this, &ConversionBinding::convertNow);
    connect(app.mainWindow->stopButton, &QToolButton::clicked, this, &ConversionBinding::stopConversion);
}

// The worker goes first, while the window it reports to is still there.
ConversionBinding::~ConversionBinding() = default;

void ConversionBinding::setPowerOff(std::unique_ptr<PowerOff> powerOff)
{
    powerOff_ = std::move(powerOff);
    countdown.setPowerOff(powerOff_.get());
}

void ConversionBinding::setNotifier(std::unique_ptr<DesktopNotifier> notifier)
{
    notifier_ = std::move(notifier);
    batchStatus->setNotifier(notifier_.get());
}

void ConversionBinding::convertNow()
{
    run.start();
}

void ConversionBinding::stopConversion()
{
    if (!run.stopAccepted())
        return;
    if (!app_.messages.confirmOkCancel(texts::kConfirmCaption, texts::kStopQuestion))
        return;
    run.stop();
}

std::unique_ptr<ConversionBinding> BindConversion(Application& app)
{
    return std::make_unique<ConversionBinding>(app);
}
