// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion's front end without a window: the choices are fixed,
// messages go to a Messages object, there is no power-off option, and each
// report is passed to `onReport` on the thread that made it (none by
// default). A report that chooses "False" in the mute list again does so
// in the fixed choices.
#include "core/ConversionFrontEnd.h"

#include <functional>
#include <mutex>

class Messages;

class HeadlessFrontEnd : public ConversionFrontEnd {
public:
    HeadlessFrontEnd(ConversionChoices choices, Messages& messages, int jobsAtOnce = 1);

    std::function<void(const ConversionEvent& event)> onReport;

    void report(const ConversionEvent& event) override;
    bool checkRequiredFiles() override;
    ConversionChoices choices() override;
    int jobsAtOnce() override { return jobsAtOnce_; }
    bool shutdownChecked() override { return false; }
    void information(const std::string& text) override;

private:
    mutable std::mutex lock_;
    ConversionChoices choices_;
    Messages& messages_;
    int jobsAtOnce_;
};
