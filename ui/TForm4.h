#pragma once
// "Additional Options": the two options that the conversion reads directly.
// Checking the shutdown option asks for confirmation, except once while the
// settings load sets it.
#include <QDialog>

class Messages;
class QCheckBox;
class QPushButton;
struct SharedState;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(SharedState& state, Messages& messages, QWidget* parent = nullptr);

    QCheckBox* CheckBoxOverWrite = nullptr;
    QCheckBox* CheckBoxShutDown = nullptr;
    QPushButton* Button1 = nullptr;

    // Runs on every change of the shutdown box's state, by the user or by code.
    void CheckBoxShutDownClick();

private:
    SharedState& state_;
    Messages& messages_;
};
