#include "app/TFormAbout.h"

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("FormAbout");
    setWindowTitle("About");
    setFixedSize(359, 221);
}
