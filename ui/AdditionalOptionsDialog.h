#pragma once
// "Additional Options": the two options that the conversion reads directly.
// Checking the shutdown option asks for confirmation, except once while the
// settings load sets it.
#include <QDialog>

class Messages;
class QCheckBox;
class QPushButton;
struct SharedState;

class AdditionalOptionsDialog : public QDialog {
    Q_OBJECT
public:
    AdditionalOptionsDialog(SharedState& state, Messages& messages, QWidget* parent = nullptr);

    QCheckBox* overwriteCheck = nullptr;
    QCheckBox* shutdownCheck = nullptr;
    QPushButton* doneButton = nullptr;

    // Runs on every change of the shutdown box's state, by the user or by code.
    void confirmShutdownChoice();

private:
    SharedState& state_;
    Messages& messages_;
};
