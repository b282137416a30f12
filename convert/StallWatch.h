#pragma once
// The stall watch: a timer on the window's thread that kills the encoder
// when the frame count of the current row stops moving for eight ticks.
#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

struct ConversionState;

class StallWatch : public QObject {
    Q_OBJECT
public:
    // `frameCell` reads a row's Frames cell; `kill` ends the encoder.
    StallWatch(ConversionState& state, std::function<std::string(int row)> frameCell,
               std::function<void()> kill, QObject* parent = nullptr);

    static constexpr int kDefaultIntervalMs = 2000;
    static constexpr int kStallTicks = 8;

    // timer.
    QTimer& timer() { return timer_; }
    // Switches the timer from any thread; the switch happens on the timer's thread.
    void setEnabled(bool enabled);

    // One tick.
    void tick();

private:
    ConversionState& state_;
    std::function<std::string(int)> frameCell_;
    std::function<void()> kill_;
    QTimer timer_;
};
