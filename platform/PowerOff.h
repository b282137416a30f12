// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the system to power the computer off. Tests always use a fake.
#include <string>

class PowerOff {
public:
    virtual ~PowerOff() = default;
    // True when the system accepted the request.
    virtual bool ShutDownComputer() = 0;
    // Why the last request was refused or could not be made; one line.
    virtual std::string refusal() const { return {}; }
};
