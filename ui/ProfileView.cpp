// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProfileView.h"

#include "core/FileList.h"
#include "core/FitChoices.h"
#include "core/TextRules.h"
#include "core/Texts.h"
#include "core/profiles/FitSizeEntries.h"
#include "core/cmdline/Volume.h"
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"
#include "core/profiles/OptionListSlots.h"

#include <QComboBox>
#include <QInputDialog>
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
    OptionList& model = model_.lists.*list;
    const int before = model.selected;
    model.selected = index;
    if (list == &OptionLists::videoBitrate && model.selectedText() == CustomFitEntry() && !askCustomFit()) {
        // No size, no fit: the entry picked before stands.
        model.selected = before;
        for (const auto& [combo, comboList] : combos_) {
            if (comboList == list) {
                const QSignalBlocker blocker(combo);
                combo->setCurrentIndex(before);
            }
        }
    }
    writeExpectedSizes();
}

void ProfileView::bindCustomFit(std::function<std::string()> read, std::function<void(const std::string&)> write)
{
    readCustomFit_ = std::move(read);
    writeCustomFit_ = std::move(write);
}

bool ProfileView::askCustomFit()
{
    const std::string kept = readCustomFit_ ? readCustomFit_() : std::string();
    const double current = MegabytesToBytes(kept) / static_cast<double>(kBytesPerMegabyte);
    bool accepted = false;
    const double megabytes = QInputDialog::getDouble(controls_.format->window(), texts::kFitCustomCaption,
                                                     texts::kFitCustomLabel, current > 0 ? current : 25, 0.01, 1e9, 2,
                                                     &accepted);
    if (accepted && writeCustomFit_)
        writeCustomFit_(NumberText(megabytes));
    return accepted || current > 0;
}

void ProfileView::writeExpectedSizes()
{
    ConversionChoices choices = TakeChoices(model_, volumeFactor_, {}, false, {});
    choices.fitCustomBytes = readCustomFit_ ? MegabytesToBytes(readCustomFit_()) : 0;
    files_.setSizeEstimate([choices](const FileRow& row) {
        const auto bytes = ExpectedBytes(choices, row);
        return bytes ? ExpectedSizeText(*bytes) : std::string();
    });
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
        for (int entry = 0; entry < combo->count(); ++entry) {
            if (FitLimitOf(model.entries[static_cast<std::size_t>(entry)], 1))
                combo->setItemData(entry, QString(texts::kFitToolTip), Qt::ToolTipRole);
        }
    }
    setLocked(false);
    const QSignalBlocker blocker(controls_.format);
    controls_.format->setCurrentIndex(model_.formatIndex);
}

void ProfileView::writeOutputTags()
{
    files_.setOutputTags(FormatTag(model_.formatIndex));
    writeExpectedSizes();
}
