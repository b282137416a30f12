// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls that show the output profile: the format
// list, the option lists in the order of kOptionListSlots, and the volume
// slider with its percentage.
#include "core/profiles/OptionListSlots.h"

#include <array>

class QComboBox;
class QLabel;
class QSlider;

struct ProfileControls {
    QComboBox* format = nullptr;
    std::array<QComboBox*, kOptionListSlots.size()> lists{};
    QSlider* volume = nullptr;
    QLabel* volumeLabel = nullptr;
};
