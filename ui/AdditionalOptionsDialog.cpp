#include "ui/AdditionalOptionsDialog.h"

#include "core/Texts.h"
#include "core/Messages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

AdditionalOptionsDialog::AdditionalOptionsDialog(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
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
    overwriteCheck = new QCheckBox(texts::kOverwriteOption, group);
    overwriteCheck->setObjectName("CheckBoxOverWrite");
    overwriteCheck->setGeometry(10, 32, 327, 20);
    shutdownCheck = new QCheckBox(texts::kShutDownOption, group);
    shutdownCheck->setObjectName("CheckBoxShutDown");
    shutdownCheck->setGeometry(10, 72, 327, 20);
    doneButton = new QPushButton(texts::kDoneButton, this);
    doneButton->setObjectName("Button1");
    doneButton->setGeometry(137, 152, 85, 30);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::hide);
    // toggled fires only when the state really changes, as a click handler does.
    connect(shutdownCheck, &QCheckBox::toggled, this, &AdditionalOptionsDialog::confirmShutdownChoice);
}

void AdditionalOptionsDialog::confirmShutdownChoice()
{
    if (confirmSuppressed_) {
        confirmSuppressed_ = false;
        return;
    }
    if (!shutdownCheck->isChecked())
        return;
    if (!messages_.confirmYesNo(texts::kShutDownQuestion))
        shutdownCheck->setChecked(false);
}
