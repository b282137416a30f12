#include "ui/ProfileView.h"

#include "ui/FileListRows.h"
#include "ui/MainWindow.h"
#include "core/cmdline/Volume.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "core/profiles/OptionListSlots.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>

namespace {

constexpr int kSwitchedDropDownRows = 25;

QStringList ToQStringList(const std::vector<std::string>& entries)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(entries.size()));
    for (const auto& entry : entries)
        list.append(QString::fromStdString(entry));
    return list;
}

} // namespace

ProfileView::ProfileView(MainWindow& window)
    : QObject(&window)
    , window_(window)
    , volumeFactor_(kUnchangedVolumeFactor)
{
    model_.formatIndex = window_.formatCombo->currentIndex();
    model_.selectedFormatIndex = model_.formatIndex;
    for (const OptionListSlot& slot : kOptionListSlots) {
        auto* combo = window_.findChild<QComboBox*>(slot.controlName);
        Q_ASSERT(combo);
        combos_.emplace_back(combo, slot.list);
        const auto list = slot.list;
        connect(combo, &QComboBox::activated, this, [this, list](int index) { optionPicked(list, index); });
    }
    connect(window_.formatCombo, &QComboBox::activated, this, &ProfileView::formatPicked);
    connect(window_.volumeSlider, &QSlider::valueChanged, this, &ProfileView::volumeChanged);
}

void ProfileView::switchFormat()
{
    ReadSelections();
    const SwitchOutcome outcome = RunFormatSwitch(model_);
    if (outcome == SwitchOutcome::Applied)
        window_.formatCombo->setMaxVisibleItems(kSwitchedDropDownRows);
    Mirror();
    if (outcome == SwitchOutcome::Applied)
        WriteOutputTags();
}

const ProfileState& ProfileView::State()
{
    ReadSelections();
    return model_;
}

void ProfileView::setLocked(bool locked)
{
    for (const auto& [combo, list] : combos_)
        combo->setEnabled(!locked && (model_.lists.*list).enabled);
    window_.volumeSlider->setEnabled(!locked && model_.volumeEnabled);
}

void ProfileView::ResetMuteAudio()
{
    model_.lists.muteAudio.selected = 0;
    const QSignalBlocker blocker(window_.muteAudioCombo);
    window_.muteAudioCombo->setCurrentIndex(0);
}

void ProfileView::formatPicked(int index)
{
    // A pick of the format already in force is no change: the user's own
    // choices in the option lists stay.
    if (index == model_.selectedFormatIndex)
        return;
    switchFormat();
}

void ProfileView::optionPicked(OptionList OptionLists::*list, int index)
{
    (model_.lists.*list).selected = index;
}

void ProfileView::volumeChanged(int position)
{
    window_.volumeLabel->setText(QString::fromStdString(VolumeLabelText(position)));
    volumeFactor_ = VolumeFactorText(position);
}

void ProfileView::ReadSelections()
{
    model_.formatIndex = window_.formatCombo->currentIndex();
    for (const auto& [combo, list] : combos_) {
        OptionList& model = model_.lists.*list;
        if (combo->count() == static_cast<int>(model.entries.size()))
            model.selected = combo->currentIndex();
    }
}

void ProfileView::Mirror()
{
    for (const auto& [combo, list] : combos_) {
        const OptionList& model = model_.lists.*list;
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItems(ToQStringList(model.entries));
        combo->setCurrentIndex(model.selected);
    }
    setLocked(false);
    const QSignalBlocker blocker(window_.formatCombo);
    window_.formatCombo->setCurrentIndex(model_.formatIndex);
}

void ProfileView::WriteOutputTags()
{
    const std::string tag = FormatTag(model_.formatIndex);
    for (int row = 0; row < window_.fileList->rowCount(); ++row)
        SetFileCell(*window_.fileList, row, FileColumn::Output, tag);
}
