#pragma once
// "Analyzing Video Files": shown while added files are measured.
#include <QDialog>

class TFormAnalyzingSplash : public QDialog {
    Q_OBJECT
public:
    explicit TFormAnalyzingSplash(QWidget* parent = nullptr);
};
