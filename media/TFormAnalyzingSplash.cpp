#include "media/TFormAnalyzingSplash.h"

TFormAnalyzingSplash::TFormAnalyzingSplash(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("FormAnalyzingSplash");
    setWindowTitle("Analyzing Video Files");
    setFixedSize(275, 138);
}
