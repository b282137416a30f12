// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Warning": the power-off countdown window. It refuses to close while the
// countdown runs.
#include <QDialog>

#include <atomic>

class QLabel;
class QToolButton;

class ShutdownWarningDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShutdownWarningDialog(QWidget* parent = nullptr);

    QLabel* turnOffNotice = nullptr;
    QLabel* secondsLabel = nullptr;
    QToolButton* doNotTurnOffButton = nullptr;

    // The flag that keeps the window open while it is set.
    void watchShutdownPending(const std::atomic<bool>& pending) { shutdownPending_ = &pending; }

protected:
    void reject() override;

private:
    bool closeAllowed() const;

    const std::atomic<bool>* shutdownPending_ = nullptr;
};
