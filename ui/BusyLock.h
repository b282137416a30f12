#pragma once
// Disables the main window's option controls, list buttons, the two
// additional options and the menu entries while files are analysed or
// converted. The Add Files, Convert, Stop and folder buttons and the file
// list are the callers' business and are left alone.
class MainWindow;
class AdditionalOptionsDialog;

class BusyLock {
public:
    BusyLock(MainWindow& form1, AdditionalOptionsDialog& form4);
    void lock();
    void unlock();

private:
    void setEnabled(bool enabled);

    MainWindow& form1_;
    AdditionalOptionsDialog& form4_;
};
