// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status bar's three sunken panels. The second one carries the
// conversion's texts and, while the power-off after the batch is armed, says
// so: in words when no batch runs, by a warning mark beside the conversion's
// text while one does. A click on it then asks for the options.
#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QWidget;

class StatusBarPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusBarPanels(QStatusBar& bar);

    // What the panel (0 to 2) shows now.
    QString text(int panel) const;
    void setText(int panel, const QString& text);

    // A passing word over the panels, for a few seconds.
    void showNotice(const QString& text);
    // Back to "Ready" with the other panels empty.
    void reset();

    void setPowerOffArmed(bool armed);
    void setBatchRunning(bool running);

    QWidget* panel(int index) const;

signals:
    // The second panel was clicked while the power-off is armed.
    void powerOffClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshSecondPanel();
    void fitWidth(int panel);

    QStatusBar& bar_;
    QWidget* panels_[3] = {};
    QLabel* texts_[3] = {};
    QLabel* armedMark_ = nullptr;
    QString conversionText_;
    bool armed_ = false;
    bool batchRunning_ = false;
};
