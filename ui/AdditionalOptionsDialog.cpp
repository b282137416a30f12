// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AdditionalOptionsDialog.h"

#include "core/JobsAtOnce.h"
#include "core/Messages.h"
#include "core/Texts.h"
#include "ui/Translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr QSize kClientSize(359, 198);
constexpr int kGroupWidth = 343;
constexpr int kCheckWidth = 327;
constexpr int kJobsRowY = 100;
constexpr int kJobsRowGap = 6;

} // namespace

AdditionalOptionsDialog::AdditionalOptionsDialog(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
    , messages_(messages)
{
    setObjectName("Form4");
    setWindowTitle(Tr(texts::kOptionsCaption));
    setFixedSize(kClientSize);
    // The form's 8-point font: the long captions fit the fixed client area.
    QFont formFont = font();
    formFont.setPointSize(8);
    setFont(formFont);
    group_ = new QGroupBox(Tr(texts::kOptionsGroup), this);
    group_->setObjectName("GroupBox1");
    group_->setGeometry(8, 8, kGroupWidth, 130);
    overwriteCheck_ = new QCheckBox(Tr(texts::kOverwriteOption), group_);
    overwriteCheck_->setObjectName("CheckBoxOverWrite");
    overwriteCheck_->setGeometry(10, 32, kCheckWidth, 20);
    shutdownCheck_ = new QCheckBox(Tr(texts::kShutDownOption), group_);
    shutdownCheck_->setObjectName("CheckBoxShutDown");
    shutdownCheck_->setGeometry(10, 72, kCheckWidth, 20);
    jobsLead_ = new QLabel(Tr(texts::kJobsAtOnceLead), group_);
    jobsCombo_ = new QComboBox(group_);
    jobsCombo_->setObjectName("ComboJobsAtOnce");
    for (int jobs = 1; jobs <= kMostJobsAtOnce; ++jobs)
        jobsCombo_->addItem(QString::number(jobs), jobs);
    jobsCombo_->addItem(Tr(texts::kJobsAtOnceAuto), kAutoJobs);
    jobsLead_->setBuddy(jobsCombo_);
    jobsTail_ = new QLabel(Tr(texts::kJobsAtOnceTail), group_);
    doneButton_ = new QPushButton(Tr(texts::kDoneButton), this);
    doneButton_->setObjectName("Button1");
    doneButton_->setGeometry(137, 152, 85, 30);
    connect(doneButton_, &QPushButton::clicked, this, &QDialog::hide);
    // toggled fires only when the state really changes, as a click handler does.
    connect(shutdownCheck_, &QCheckBox::toggled, this, &AdditionalOptionsDialog::confirmShutdownChoice);
    connect(shutdownCheck_, &QCheckBox::toggled, this, &AdditionalOptionsDialog::shutDownToggled);
    fitCaptions();
}

bool AdditionalOptionsDialog::overwrite() const
{
    return overwriteCheck_->isChecked();
}

void AdditionalOptionsDialog::setOverwrite(bool overwrite)
{
    overwriteCheck_->setChecked(overwrite);
}

bool AdditionalOptionsDialog::shutDown() const
{
    return shutdownCheck_->isChecked();
}

void AdditionalOptionsDialog::setShutDown(bool shutDown)
{
    shutdownCheck_->setChecked(shutDown);
}

void AdditionalOptionsDialog::setBusy(bool busy)
{
    for (QWidget* option : {static_cast<QWidget*>(overwriteCheck_), static_cast<QWidget*>(shutdownCheck_),
                            static_cast<QWidget*>(jobsCombo_)})
        option->setEnabled(!busy);
}

int AdditionalOptionsDialog::jobsAtOnce() const
{
    return jobsCombo_->currentData().toInt();
}

void AdditionalOptionsDialog::setJobsAtOnce(int jobs)
{
    const int index = jobsCombo_->findData(jobs);
    jobsCombo_->setCurrentIndex(index >= 0 ? index : 0);
}

// The lead, the list and the tail side by side, each as wide as it needs.
int AdditionalOptionsDialog::placeJobsRow()
{
    int x = 10;
    for (QWidget* part : {static_cast<QWidget*>(jobsLead_), static_cast<QWidget*>(jobsCombo_),
                          static_cast<QWidget*>(jobsTail_)}) {
        const QSize size = part->sizeHint();
        part->setGeometry(x, kJobsRowY + (jobsCombo_->sizeHint().height() - size.height()) / 2, size.width(),
                          size.height());
        x += size.width() + kJobsRowGap;
    }
    return x - kJobsRowGap - 10;
}

void AdditionalOptionsDialog::fitCaptions()
{
    // The dialog keeps its size unless a caption needs more room; then it
    // grows to the right, its Done button staying in the middle.
    int needed = std::max(kCheckWidth, placeJobsRow());
    for (QCheckBox* check : {overwriteCheck_, shutdownCheck_})
        needed = std::max(needed, check->sizeHint().width());
    for (QCheckBox* check : {overwriteCheck_, shutdownCheck_})
        check->resize(needed, check->height());
    const int extra = needed - kCheckWidth;
    group_->resize(kGroupWidth + extra, group_->height());
    setFixedSize(kClientSize.width() + extra, kClientSize.height());
    doneButton_->move((width() - doneButton_->width()) / 2, doneButton_->y());
}

bool AdditionalOptionsDialog::event(QEvent* event)
{
    if (event->type() == QEvent::FontChange && doneButton_ != nullptr)
        fitCaptions();
    return QDialog::event(event);
}

void AdditionalOptionsDialog::confirmShutdownChoice()
{
    if (confirmSuppressed_) {
        confirmSuppressed_ = false;
        return;
    }
    if (!shutdownCheck_->isChecked())
        return;
    if (!messages_.confirmYesNo(texts::kShutDownQuestion))
        shutdownCheck_->setChecked(false);
}
