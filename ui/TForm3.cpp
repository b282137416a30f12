#include "ui/TForm3.h"

#include "core/ConvertTexts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QToolButton>

namespace {

QLabel* MakeBoldLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    label->move(at);
    return label;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("Form3");
    setWindowTitle(texts::kWarningCaption);
    setFixedSize(365, 186);
    Label1 = MakeBoldLabel(this, "Label1", texts::kTurnOffNotice, QPoint(51, 42));
    Label2 = MakeBoldLabel(this, "Label2", "1", QPoint(177, 81));
    Label2->setStyleSheet("color: red;");
    Label2->setMinimumWidth(24);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText(texts::kDoNotTurnOff);
    SpeedButton1->setGeometry(123, 123, 118, 43);
}

bool TForm3::FormCloseQuery() const
{
    return shutdownPending_ == nullptr || !*shutdownPending_;
}

void TForm3::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TForm3::reject()
{
    if (FormCloseQuery())
        QDialog::reject();
}
