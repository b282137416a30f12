#include "app/TForm4.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

TForm4::TForm4(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form4");
    setWindowTitle("Additional Options");
    setFixedSize(359, 198);
    auto* group = new QGroupBox(" Additional Options ", this);
    group->setGeometry(10, 8, 339, 130);
    CheckBoxOverWrite = new QCheckBox("Overwrite Existing File With The Same Name", group);
    CheckBoxOverWrite->setObjectName("CheckBoxOverWrite");
    CheckBoxOverWrite->setGeometry(16, 32, 310, 20);
    CheckBoxShutDown = new QCheckBox("Shut Down Computer After All Conversion Jobs Are Done ", group);
    CheckBoxShutDown->setObjectName("CheckBoxShutDown");
    CheckBoxShutDown->setGeometry(16, 72, 315, 20);
    Button1 = new QPushButton("Done", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(137, 152, 85, 30);
    connect(Button1, &QPushButton::clicked, this, &QDialog::hide);
}
