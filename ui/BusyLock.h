// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Disables the main window's option controls, list buttons, the
// additional options and the menu entries while files are analysed or
// converted. The Add Files, Convert, Stop and folder buttons and the file
// list are the callers' business and are left alone.
class AdditionalOptionsDialog;
class MainWindow;
class ProfileView;

class BusyLock {
public:
    BusyLock(MainWindow& window, ProfileView& profile, AdditionalOptionsDialog& options);
    void lock();
    void unlock();

private:
    void setLocked(bool locked);

    MainWindow& window_;
    ProfileView& profile_;
    AdditionalOptionsDialog& options_;
};
