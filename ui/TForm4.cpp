#include "ui/TForm4.h"

#include "core/AppTexts.h"
#include "core/Messages.h"
#include "core/SharedState.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

TForm4::TForm4(SharedState& state, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , state_(state)
    , messages_(messages)
{
    setObjectName("Form4");
    setWindowTitle(texts::kOptionsCaption);
    setFixedSize(359, 198);
    // The form's 8-point font: the long captions fit the fixed client area.
    QFont formFont = font();
    formFont.setPointSize(8);
    setFont(formFont);
    auto* group = new QGroupBox(texts::kOptionsGroup, this);
    group->setObjectName("GroupBox1");
    group->setGeometry(8, 8, 343, 130);
    CheckBoxOverWrite = new QCheckBox(texts::kOverwriteOption, group);
    CheckBoxOverWrite->setObjectName("CheckBoxOverWrite");
    CheckBoxOverWrite->setGeometry(10, 32, 327, 20);
    CheckBoxShutDown = new QCheckBox(texts::kShutDownOption, group);
    CheckBoxShutDown->setObjectName("CheckBoxShutDown");
    CheckBoxShutDown->setGeometry(10, 72, 327, 20);
    Button1 = new QPushButton(texts::kDone, this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(137, 152, 85, 30);
    connect(Button1, &QPushButton::clicked, this, &QDialog::hide);
    // toggled fires only when the state really changes, as a click handler does.
    connect(CheckBoxShutDown, &QCheckBox::toggled, this, &TForm4::CheckBoxShutDownClick);
}

void TForm4::CheckBoxShutDownClick()
{
    if (state_.suppressShutdownConfirm) {
        state_.suppressShutdownConfirm = false;
        return;
    }
    if (!CheckBoxShutDown->isChecked())
        return;
    if (!messages_.confirmYesNo(texts::kShutDownQuestion))
        CheckBoxShutDown->setChecked(false);
}
