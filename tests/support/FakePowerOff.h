// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts power-off requests instead of powering anything off; refuses them
// with a reason when told to.
#include "platform/PowerOff.h"

struct FakePowerOff : PowerOff {
    bool ShutDownComputer() override
    {
        ++requests;
        return refusalText.empty();
    }
    std::string refusal() const override { return refusalText; }

    int requests = 0;
    std::string refusalText; // empty: every request is accepted
};
