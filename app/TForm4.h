#pragma once
// "Additional Options": the two options that the conversion reads directly.
#include <QDialog>

class QCheckBox;
class QPushButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QCheckBox* CheckBoxOverWrite = nullptr;
    QCheckBox* CheckBoxShutDown = nullptr;
    QPushButton* Button1 = nullptr;
};
