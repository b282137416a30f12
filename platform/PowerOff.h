#pragma once
// Asking the system to power the computer off. Tests always use a fake.
class PowerOff {
public:
    virtual ~PowerOff() = default;
    // True when the system accepted the request.
    virtual bool ShutDownComputer() = 0;
};
