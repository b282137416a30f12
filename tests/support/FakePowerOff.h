#pragma once
// Counts power-off requests instead of powering anything off.
#include "platform/PowerOff.h"

struct FakePowerOff : PowerOff {
    bool ShutDownComputer() override
    {
        ++requests;
        return true;
    }
    int requests = 0;
};
