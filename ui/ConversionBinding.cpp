#include "ui/ConversionBinding.h"

#include "ui/Application.h"
#include "ui/ConversionLogDialog.h"
#include "ui/BatchStatus.h"
#include "ui/DesktopNotifier.h"
#include "core/Messages.h"
#include "ui/ShellBinder.h"
#include "ui/MainWindow.h"
#include "core/Texts.h"
#include "platform/PowerOff.h"

#include <QAction>
#include <QCoreApplication>
#include <QTableWidget>
#include <QToolButton>

ConversionBinding::ConversionBinding(Application& app)
    : countdown(app.state, *app.shutdownWarning, [] { QCoreApplication::exit(0); })
    , logDialog(new ConversionLogDialog(app.mainWindow.get()))
    , host(*app.mainWindow, *app.optionsDialog, *app.busyLock, app.shell->listCommands, app.messages, countdown,
           *logDialog, app.state.appDir)
    , run(app.state, host, verifier)
    , batchStatus(new BatchStatus(*app.mainWindow, app.messages))
    , app_(app)
{
    host.setBatchStatus(batchStatus);
    MainWindow& form = *app.mainWindow;
    connect(form.convertButton, &QToolButton::clicked, this, &ConversionBinding::convertNow);
    connect(form.stopButton, &QToolButton::clicked, this, &ConversionBinding::stopConversion);
    connect(form.conversionLogAction, &QAction::triggered, logDialog, &ConversionLogDialog::showLatest);
    connect(form.fileList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { showLogFor(row); });
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

void ConversionBinding::showLogFor(int row)
{
    const QTableWidgetItem* caption = app_.mainWindow->fileList->item(row, 0);
    if (caption == nullptr)
        return;
    logDialog->showFor(caption->text().toStdString());
}

std::unique_ptr<ConversionBinding> BindConversion(Application& app)
{
    return std::make_unique<ConversionBinding>(app);
}
