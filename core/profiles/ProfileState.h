// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output profile in force, without widgets: the option lists, the format
// list's selection and the two values the format switch keeps. The window
// mirrors this model into its combo boxes; the command line reads it.
#include "core/profiles/OptionList.h"

#include <string>

inline constexpr const char* kPspFamily = "psp";

struct ProfileState {
    OptionLists lists;
    int formatIndex = 0;         // the selection of formatCombo
    int selectedFormatIndex = 0; // SelectedFormatIndex: the format the last switch applied
    std::string profileFamily;   // ProfileFamily: "psp" for the PSP and PS3 formats, else empty
    bool volumeEnabled = true;   // the volume slider; off where the format sends no volume
};
