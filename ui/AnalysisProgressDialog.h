// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Analyzing Video Files": shown, always on top, while added files are
// measured. It names the file being measured and offers Cancel, which lets
// the file under way finish and adds no further files. It cannot be closed
// while the analysis holds it.
#include <QDialog>

class QLabel;
class QPushButton;
struct SharedState;

class AnalysisProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit AnalysisProgressDialog(SharedState& state, QWidget* parent = nullptr);

    // Shows the splash without making it modal, centred on its parent.
    void showCentred();
    // The file being measured.
    void setFileName(const QString& name);

public slots:
    void reject() override;

private:
    void cancelAnalysis();

    SharedState& state_;
    QLabel* headline_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
