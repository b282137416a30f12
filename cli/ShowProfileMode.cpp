// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliModes.h"

#include "core/profiles/FormatSwitch.h"
#include "core/profiles/OptionListSlots.h"

#include <ostream>

namespace {

// In place of the selected index: the window shows the list disabled, the format offers no choice there.
constexpr const char* kDisabledList = "disabled";

} // namespace

int RunShowProfile(const CliOptions& options, std::ostream& out)
{
    const ProfileState state = ProfileStateFor(options.profileFormat);
    for (std::size_t i = 0; i < kProfileListSlotCount; ++i) {
        const OptionListSlot& slot = kOptionListSlots[i];
        const OptionList& list = state.lists.*(slot.list);
        out << slot.controlName << '\t';
        if (!list.enabled) {
            out << kDisabledList << '\n';
            continue;
        }
        out << list.selected;
        for (const std::string& entry : list.entries)
            out << '\t' << entry;
        out << '\n';
    }
    return kExitOk;
}
