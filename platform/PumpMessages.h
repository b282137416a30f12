// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits for the given time. On the window's thread the window keeps
// processing its events meanwhile (sleeping between them, never spinning);
// on any other thread it simply sleeps.
namespace platform {

void PumpMessagesFor(int milliseconds);

} // namespace platform
