// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power-off countdown: shows the warning window on top, counts up once
// a second, and at 30 asks for the power-off, unless "Do Not Turn Off" was
// pressed first. An accepted request ends the application (without a close
// request, so no settings are written); a refused one leaves the window
// open, with the list and the log, and says why.
#include <QObject>
#include <QTimer>

#include <functional>

class Messages;
class PowerOff;
class ShutdownWarningDialog;
struct SharedState;

class ShutdownCountdown : public QObject {
    Q_OBJECT
public:
    // `endApplication` ends the event loop; `powerOff` may be none (nothing is
    // powered off, and the application ends as if it were).
    ShutdownCountdown(SharedState& shared, ShutdownWarningDialog& dialog, Messages& messages,
                      std::function<void()> endApplication, QObject* parent = nullptr);

    static constexpr int kDefaultIntervalMs = 1000;
    static constexpr int kSeconds = 30;

    QTimer& timer() { return timer_; }
    // Seconds counted since the start.
    int seconds() const { return seconds_; }
    void setPowerOff(PowerOff* powerOff) { powerOff_ = powerOff; }

    // Start of the countdown, on the window's thread.
    void start();
    void tick();
    // "Do Not Turn Off".
    void cancelShutdown();

private:
    void powerOff();

    SharedState& shared_;
    ShutdownWarningDialog& dialog_;
    Messages& messages_;
    std::function<void()> endApplication_;
    PowerOff* powerOff_ = nullptr;
    QTimer timer_;
    int seconds_ = 0;
};
