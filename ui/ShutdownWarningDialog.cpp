// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ShutdownWarningDialog.h"

#include "core/Texts.h"
#include "ui/Translation.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QToolButton>

namespace {

QLabel* MakeBoldLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    SetBold(*label);
    label->adjustSize();
    label->move(at);
    return label;
}

} // namespace

ShutdownWarningDialog::ShutdownWarningDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("Form3");
    setWindowTitle(Tr(texts::kWarningCaption));
    setFixedSize(365, 186);
    turnOffNotice = MakeBoldLabel(this, "Label1", Tr(texts::kTurnOffNotice), QPoint(51, 42));
    secondsLabel = MakeBoldLabel(this, "Label2", "1", QPoint(177, 81));
    secondsLabel->setStyleSheet("color: red;");
    secondsLabel->setMinimumWidth(24);
    doNotTurnOffButton = new QToolButton(this);
    doNotTurnOffButton->setObjectName("SpeedButton1");
    doNotTurnOffButton->setText(Tr(texts::kDoNotTurnOff));
    doNotTurnOffButton->setGeometry(123, 123, 118, 43);
}

bool ShutdownWarningDialog::closeAllowed() const
{
    return shutdownPending_ == nullptr || !*shutdownPending_;
}

void ShutdownWarningDialog::reject()
{
    // Escape and the close button both end here: QDialog's close event
    // rejects, and keeps the dialog open when this refuses.
    if (closeAllowed())
        QDialog::reject();
}
