#include "ui/AdditionalOptionsDialog.h"

#include "core/JobsAtOnce.h"
#include "core/Messages.h"
#include "core/Texts.h"

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
    jobsLead_ = new QLabel(texts::kJobsAtOnceLead, group);
    jobsCombo = new QComboBox(group);
    jobsCombo->setObjectName("ComboJobsAtOnce");
    for (int jobs = 1; jobs <= kMostJobsAtOnce; ++jobs)
        jobsCombo->addItem(QString::number(jobs), jobs);
    jobsCombo->addItem(texts::kJobsAtOnceAuto, kAutoJobs);
    jobsLead_->setBuddy(jobsCombo);
    jobsTail_ = new QLabel(texts::kJobsAtOnceTail, group);
    doneButton = new QPushButton(texts::kDoneButton, this);
    doneButton->setObjectName("Button1");
    doneButton->setGeometry(137, 152, 85, 30);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::hide);
    // toggled fires only when the state really changes, as a click handler does.
    connect(shutdownCheck, &QCheckBox::toggled, this, &AdditionalOptionsDialog::confirmShutdownChoice);
    fitCaptions();
}

int AdditionalOptionsDialog::jobsAtOnce() const
{
    return jobsCombo->currentData().toInt();
}

void AdditionalOptionsDialog::setJobsAtOnce(int jobs)
{
    const int index = jobsCombo->findData(jobs);
    jobsCombo->setCurrentIndex(index >= 0 ? index : 0);
}

// The lead, the list and the tail side by side, each as wide as it needs.
int AdditionalOptionsDialog::placeJobsRow()
{
    int x = 10;
    for (QWidget* part : {static_cast<QWidget*>(jobsLead_), static_cast<QWidget*>(jobsCombo),
                          static_cast<QWidget*>(jobsTail_)}) {
        const QSize size = part->sizeHint();
        part->setGeometry(x, kJobsRowY + (jobsCombo->sizeHint().height() - size.height()) / 2, size.width(),
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
