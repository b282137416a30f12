#include "ui/ConversionBinding.h"

#include "ui/Application.h"
#include "core/Messages.h"
#include "ui/ShellBinder.h"
#include "ui/TForm1.h"
#include "core/ConvertTexts.h"
#include "platform/PowerOff.h"

#include <QCoreApplication>
#include <QToolButton>

ConversionBinding::ConversionBinding(Application& app)
    : countdown(app.state, *app.Form3, [] { QCoreApplication::exit(0); })
    , host(*app.Form1, *app.Form4, *app.busyLock, app.shell->listCommands, app.messages, countdown, app.state.appDir)
    , run(app.state, host)
    , app_(app)
{
    connect(app.Form1->ConvertNowButton, &QToolButton::clicked, this, &ConversionBinding::ConvertNowButtonClick);
    connect(app.Form1->StopConvertButton, &QToolButton::clicked, this, &ConversionBinding::StopConvertButtonClick);
}

// The worker goes first, while the window it reports to is still there.
ConversionBinding::~ConversionBinding() = default;

void ConversionBinding::setPowerOff(std::unique_ptr<PowerOff> powerOff)
{
    powerOff_ = std::move(powerOff);
    countdown.setPowerOff(powerOff_.get());
}

void ConversionBinding::ConvertNowButtonClick()
{
    run.ConvertNow();
}

void ConversionBinding::StopConvertButtonClick()
{
    if (!run.StopAccepted())
        return;
    if (!app_.messages.confirmOkCancel(texts::kConfirmCaption, texts::kStopQuestion))
        return;
    run.StopConvert();
}

std::unique_ptr<ConversionBinding> BindConversion(Application& app)
{
    return std::make_unique<ConversionBinding>(app);
}
