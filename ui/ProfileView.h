// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's side of the output profiles: holds the ProfileState
// model and mirrors it into the option combo boxes with their signals
// blocked, so that a selection made by code never runs a handler. Only a
// user's pick (QComboBox::activated) runs one: an option list's pick updates
// the model, a pick in the format list runs the format switch, which tags
// every row of the file list. The volume slider's factor is kept here too.
//
// All members run on the user-interface thread.
#include "core/profiles/ProfileState.h"
#include "ui/ProfileControls.h"

#include <QObject>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class FileList;
class QComboBox;

class ProfileView : public QObject {
    Q_OBJECT
public:
    // Binds the window's combo boxes and slider; the model starts with the
    // format list's current selection as SelectedFormatIndex.
    ProfileView(const ProfileControls& controls, FileList& files, QObject* parent = nullptr);

    // The format switch on the current selection of the format list: runs
    // at window creation, when the window is shown, and on a user's pick.
    // Selections made by code on the combo boxes (the settings load) are
    // read into the model first. An applied format refills the combo boxes
    // and writes its tag into the Output cell of every row; a separator
    // re-selects the previous format and changes nothing else.
    void switchFormat();

    // The model, with the combo boxes' current selections read back first;
    // the conversion takes its snapshot of the choices from here.
    const ProfileState& state();

    // VolumeFactor: the slider's factor as text, "50" at the start.
    const std::string& volumeFactor() const { return volumeFactor_; }

    // Locked: disables every option combo box and the volume slider.
    // Unlocked: enables each as the format in force offers it. The busy lock
    // calls it on both sides.
    void setLocked(bool locked);

    // Selects "False" in the mute list, as the command line asks for an
    // audio-only output with mute on.
    void resetMuteAudio();

    // Where the size of "Fit in custom size…" is kept (in MB, as text): a
    // pick of that entry asks for it, and the rows' expected sizes use it.
    void bindCustomFit(std::function<std::string()> read, std::function<void(const std::string&)> write);

private:
    void formatPicked(int index);
    void optionPicked(OptionList OptionLists::*list, int index);
    void volumeChanged(int position);
    void readSelections();
    void mirror();
    void writeOutputTags();
    // Asks for the custom size; false when none is chosen.
    bool askCustomFit();
    // What each row's job should come to under the choices now in force.
    void writeExpectedSizes();

    ProfileControls controls_;
    FileList& files_;
    ProfileState model_;
    std::vector<std::pair<QComboBox*, OptionList OptionLists::*>> combos_;
    std::string volumeFactor_;
    std::function<std::string()> readCustomFit_;
    std::function<void(const std::string&)> writeCustomFit_;
};
