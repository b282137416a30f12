// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BusyLock.h"

#include "ui/AdditionalOptionsDialog.h"
#include "ui/MainWindow.h"
#include "ui/ProfileView.h"

BusyLock::BusyLock(MainWindow& window, ProfileView& profile, AdditionalOptionsDialog& options)
    : window_(window)
    , profile_(profile)
    , options_(options)
{
}

void BusyLock::lock()
{
    setLocked(true);
}

void BusyLock::unlock()
{
    setLocked(false);
}

// The option lists and the slider are the profile view's: unlocked, the
// ones a format does not offer stay disabled.
void BusyLock::setLocked(bool locked)
{
    profile_.setLocked(locked);
    window_.setBusy(locked);
    options_.setBusy(locked);
}
