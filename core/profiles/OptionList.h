// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An option list as the window shows it: entries, the selected index (-1 for
// none) and whether it is enabled. The format switch fills these models and
// the window mirrors them into its combo boxes.
#include "core/profiles/LoudnessEntries.h"

#include <string>
#include <vector>

struct OptionList {
    std::vector<std::string> entries;
    int selected = -1;
    bool enabled = true;

    // The selected entry's text, or the empty text when nothing is selected.
    std::string selectedText() const
    {
        return selected >= 0 && selected < static_cast<int>(entries.size()) ? entries[selected] : std::string();
    }

    // Replaces the entries and selects `initial` (an entry text); no match selects nothing.
    void fill(std::vector<std::string> newEntries, const std::string& initial)
    {
        entries = std::move(newEntries);
        select(initial);
    }

    void select(const std::string& text)
    {
        selected = -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i] == text) {
                selected = static_cast<int>(i);
                return;
            }
        }
    }

    void clear()
    {
        entries.clear();
        selected = -1;
    }

    // The format offers no choice here: no entries, and the list disabled.
    void withdraw()
    {
        clear();
        enabled = false;
    }
};

// "Stereo", "Mono": the channel list of every format but those that keep the
// source's channels ("Auto" first); the command line reads the index into it.
inline const std::vector<std::string>& FixedChannelEntries()
{
    static const std::vector<std::string> entries{"Stereo", "Mono"};
    return entries;
}

// The Crop list: keep the whole picture, or cut off the black borders the
// analysis finds. The formats that code a picture offer it.
inline constexpr const char* kCropNoneEntry = "None";
inline constexpr const char* kCropAutoEntry = "Auto";

// The option lists of the main window that the profiles and the command line use.
struct OptionLists {
    OptionList videoCodec;
    OptionList videoSize;
    OptionList videoBitrate;
    OptionList videoFramerate;
    OptionList hdr; // keep HDR or tone-map it, for today's video rows
    OptionList audioCodec;
    OptionList audioBitrate;
    OptionList audioChannel{FixedChannelEntries(), 0};
    OptionList samplingRate;
    OptionList letterBox{{"None", "LetterBox"}, 1};
    OptionList crop{{kCropNoneEntry, kCropAutoEntry}, 0};
    OptionList loudness{LoudnessEntries(), 0}; // "Off" or a target; kept from format to format
    OptionList muteAudio{{"False", "True"}, 0};
};
