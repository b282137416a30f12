#pragma once
// Binds the conversion to the main window: "Convert Now !" starts the
// worker, "Stop Convert" asks and stops, the stall watch and the power-off
// countdown tick on the window's thread. Created once by the application.
#include "convert/ConversionRun.h"
#include "ui/GuiConversionHost.h"
#include "ui/ShutdownCountdown.h"

#include <QObject>

#include <memory>

class Application;
class BatchStatus;
class DesktopNotifier;
class PowerOff;

class ConversionBinding : public QObject {
    Q_OBJECT
public:
    explicit ConversionBinding(Application& app);
    ~ConversionBinding() override;

    ShutdownCountdown countdown;
    GuiConversionHost host;
    ConversionRun run;
    BatchStatus* batchStatus;

    // The power-off that the countdown requests at its end; none by default,
    // so that nothing but the application's own start-up can power off.
    void setPowerOff(std::unique_ptr<PowerOff> powerOff);
    // Where the end of a batch is told while the window is not active; none by default.
    void setNotifier(std::unique_ptr<DesktopNotifier> notifier);

    void convertNow();
    void stopConversion();

private:
    Application& app_;
    std::unique_ptr<PowerOff> powerOff_;
    std::unique_ptr<DesktopNotifier> notifier_;
};

std::unique_ptr<ConversionBinding> BindConversion(Application& app);
