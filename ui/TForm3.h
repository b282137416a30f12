#pragma once
// "Warning": the power-off countdown window. It refuses to close while the
// countdown runs.
#include <QDialog>

#include <atomic>

class QLabel;
class QToolButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;

    // The flag that keeps the window open while it is set.
    void watchShutdownPending(const std::atomic<bool>& pending) { shutdownPending_ = &pending; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool FormCloseQuery() const;

    const std::atomic<bool>* shutdownPending_ = nullptr;
};
