#pragma once
// Disables the main window's option controls, list buttons, the two
// additional options and the menu entries while files are analysed or
// converted. The Add Files, Convert, Stop and folder buttons and the file
// list are the callers' business and are left alone.
class TForm1;
class TForm4;

class BusyLock {
public:
    BusyLock(TForm1& form1, TForm4& form4);
    void lock();
    void unlock();

private:
    void setEnabled(bool enabled);

    TForm1& form1_;
    TForm4& form4_;
};
