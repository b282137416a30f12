#include "convert/TForm3.h"

TForm3::TForm3(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("Form3");
    setWindowTitle("Warning");
    setFixedSize(365, 186);
}
