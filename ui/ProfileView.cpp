#include "ui/ProfileView.h"

#include "core/FileList.h"
#include "core/cmdline/Volume.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "core/profiles/OptionListSlots.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

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

ProfileView::ProfileView(const ProfileControls& controls, FileList& files, QObject* parent)
    : QObject(parent)
    , controls_(controls)
    , files_(files)
    , volumeFactor_(kUnchangedVolumeFactor)
{
    model_.formatIndex = controls_.format->currentIndex();
    model_.selectedFormatIndex = model_.formatIndex;
    for (std::size_t slot = 0; slot < kOptionListSlots.size(); ++slot) {
        QComboBox* combo = controls_.lists[slot];
        const auto list = kOptionListSlots[slot].list;
        combos_.emplace_back(combo, list);
        connect(combo, &QComboBox::activated, this, [this, list](int index) { optionPicked(list, index); });
    }
    connect(controls_.format, &QComboBox::activated, this, &ProfileView::formatPicked);
    connect(controls_.volume, &QSlider::valueChanged, this, &ProfileView::volumeChanged);
}

void ProfileView::switchFormat()
{
    readSelections();
    const SwitchOutcome outcome = RunFormatSwitch(model_);
    if (outcome == SwitchOutcome::Applied)
        controls_.format->setMaxVisibleItems(kSwitchedDropDownRows);
    mirror();
    if (outcome == SwitchOutcome::Applied)
        writeOutputTags();
}

const ProfileState& ProfileView::state()
{
    readSelections();
    return model_;
}

void ProfileView::setLocked(bool locked)
{
    for (const auto& [combo, list] : combos_)
        combo->setEnabled(!locked && (model_.lists.*list).enabled);
    controls_.volume->setEnabled(!locked && model_.volumeEnabled);
}

void ProfileView::resetMuteAudio()
{
    model_.lists.muteAudio.selected = 0;
    for (const auto& [combo, list] : combos_) {
        if (list == &OptionLists::muteAudio) {
            const QSignalBlocker blocker(combo);
            combo->setCurrentIndex(0);
        }
    }
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
    controls_.volumeLabel->setText(QString::fromStdString(VolumeLabelText(position)));
    volumeFactor_ = VolumeFactorText(position);
}

void ProfileView::readSelections()
{
    model_.formatIndex = controls_.format->currentIndex();
    for (const auto& [combo, list] : combos_) {
        OptionList& model = model_.lists.*list;
        if (combo->count() == static_cast<int>(model.entries.size()))
            model.selected = combo->currentIndex();
    }
}

void ProfileView::mirror()
{
    for (const auto& [combo, list] : combos_) {
        const OptionList& model = model_.lists.*list;
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItems(ToQStringList(model.entries));
        combo->setCurrentIndex(model.selected);
    }
    setLocked(false);
    const QSignalBlocker blocker(controls_.format);
    controls_.format->setCurrentIndex(model_.formatIndex);
}

void ProfileView::writeOutputTags()
{
    files_.setOutputTags(FormatTag(model_.formatIndex));
}
