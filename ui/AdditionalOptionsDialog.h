#pragma once
// "Additional Options": the two options that the conversion reads directly.
// Checking the shutdown option asks for confirmation, except once while the
// settings load sets it (until the main window is first shown).
#include <QDialog>

class Messages;
class QCheckBox;
class QGroupBox;
class QPushButton;

class AdditionalOptionsDialog : public QDialog {
    Q_OBJECT
public:
    AdditionalOptionsDialog(Messages& messages, QWidget* parent = nullptr);

    QCheckBox* overwriteCheck = nullptr;
    QCheckBox* shutdownCheck = nullptr;
    QPushButton* doneButton = nullptr;
    QGroupBox* group = nullptr;

    // Runs on every change of the shutdown box's state, by the user or by code.
    void confirmShutdownChoice();

    // The next check of the shutdown box asks nothing (the settings load).
    void suppressNextConfirm(bool suppressed) { confirmSuppressed_ = suppressed; }
    bool confirmSuppressed() const { return confirmSuppressed_; }

protected:
    bool event(QEvent* event) override;

private:
    void fitCaptions();

    Messages& messages_;
    bool confirmSuppressed_ = true;
};
