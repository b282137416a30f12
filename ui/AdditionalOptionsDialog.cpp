#include "ui/AdditionalOptionsDialog.h"

#include "core/Texts.h"
#include "core/Messages.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr QSize kClientSize(359, 198);
constexpr int kGroupWidth = 343;
constexpr int kCheckWidth = 327;

} // namespace

AdditionalOptionsDialog::AdditionalOptionsDialog(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , messages_(messages)
{
    setObjectName("Form4");
    setWindowTitle(texts::kOptionsCaption);
    setFixedSize(kClientSize);
    // The form's 8-point font: the long captions fit the fixed client area.
    QFont formFont = font();
    formFont.setPointSize(8);
    setFont(formFont);
    group = new QGroupBox(texts::kOptionsGroup, this);
    group->setObjectName("GroupBox1");
    group->setGeometry(8, 8, kGroupWidth, 130);
    overwriteCheck = new QCheckBox(texts::kOverwriteOption, group);
    overwriteCheck->setObjectName("CheckBoxOverWrite");
    overwriteCheck->setGeometry(10, 32, kCheckWidth, 20);
    shutdownCheck = new QCheckBox(texts::kShutDownOption, group);
    shutdownCheck->setObjectName("CheckBoxShutDown");
    shutdownCheck->setGeometry(10, 72, kCheckWidth, 20);
    doneButton = new QPushButton(texts::kDoneButton, this);
    doneButton->setObjectName("Button1");
    doneButton->setGeometry(137, 152, 85, 30);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::hide);
    // toggled fires only when the state really changes, as a click handler does.
    connect(shutdownCheck, &QCheckBox::toggled, this, &AdditionalOptionsDialog::confirmShutdownChoice);
    fitCaptions();
}

void AdditionalOptionsDialog::fitCaptions()
{
    // The dialog keeps its size unless a caption needs more room; then it
    // grows to the right, its Done button staying in the middle.
    int needed = kCheckWidth;
    for (QCheckBox* check : {overwriteCheck, shutdownCheck})
        needed = std::max(needed, check->sizeHint().width());
    for (QCheckBox* check : {overwriteCheck, shutdownCheck})
        check->resize(needed, check->height());
    const int extra = needed - kCheckWidth;
    group->resize(kGroupWidth + extra, group->height());
    setFixedSize(kClientSize.width() + extra, kClientSize.height());
    doneButton->move((width() - doneButton->width()) / 2, doneButton->y());
}

bool AdditionalOptionsDialog::event(QEvent* event)
{
    if (event->type() == QEvent::FontChange && doneButton != nullptr)
        fitCaptions();
    return QDialog::event(event);
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
