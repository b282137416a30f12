// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output-format list as one table, a FormatSpec per row in the list's
// fixed order. The index is what the settings file stores and the window's
// list shows; the id names a row whatever its place. Code that needs to know
// something about a format asks its row, never compares indexes.
#include "core/profiles/OptionListSlots.h"

#include <span>
#include <string>
#include <string_view>

struct PieceSet;
struct ProfileState;

enum class FormatKind {
    Separator,  // only divides the groups; cannot stay selected
    Video,      // picture and sound coded anew
    AudioOnly,  // sound only: no picture, no letterbox
    StreamCopy, // the streams go over as they are
    Animation,  // a picture without sound
};

struct FormatSpec {
    std::string_view id;
    std::string_view caption; // the row's text in the format list
    std::string_view tag;     // the Output column; in lower case the output's extension
    FormatKind kind;
    // Fills the lists the format offers (and selects in them); nothing for
    // a separator or a format with nothing to fill.
    void (*applyProfile)(ProfileState& state) = nullptr;
    // The format's command line from the pieces of one job.
    std::string (*assemble)(const PieceSet& pieces) = nullptr;
    Offers offers = offer::kAll;
    std::string_view family = {}; // ProfileFamily while the format is in force ("psp")
    bool thumbnailRun = false;    // a ".THM" still picture follows the video
    bool keepsEveryTrack = false; // every sound track and the subtitles, not one track
    bool settingsReset = false;   // a separator that, stored in the settings file, starts them afresh
    bool fitsToSize = false;      // its video bitrate list offers "Fit in size…" entries
};

// The choices the format offers: its own, and the Crop list where it codes a picture.
Offers OffersOf(const FormatSpec& format);

// Every row, in the list's order.
std::span<const FormatSpec> Formats();

int FormatCount();

// The row at `index`; nothing outside the list.
const FormatSpec* FormatAt(int index);

// The row's text as the format list shows it; empty outside the list.
std::string FormatText(int index);

// "MP4", "WMV", ...; empty for separators and indexes outside the list.
std::string FormatTag(int index);

bool IsSeparatorRow(int index);
