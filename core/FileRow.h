// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the file list: the input path as caption, a check box, the
// six cells after it, and what its last conversion made of it. The
// Progress and Frames cells show the conversion's values, which the row
// also keeps as values for whoever needs them.
#include "core/CropArea.h"
#include "core/Reason.h"
#include "core/TrimRange.h"

#include <array>
#include <optional>
#include <string>

enum class FileColumn { VideoSize = 0, FrameRate, Duration, Output, Progress, Frames };

// The file list's table shows the caption in column 0 and the cells after it.
constexpr int TableColumn(FileColumn column) { return static_cast<int>(column) + 1; }

// What the Progress cell says of the row's job once it is judged.
enum class RowOutcome { None, Done, Incomplete, Failed, Aborted, Rescan };

// "Done", "Incomplete", "Failed", "Aborted", "Re-scan"; empty for None.
const char* OutcomeText(RowOutcome outcome);

struct FileRow {
    std::string caption;
    std::array<std::string, 6> cells;
    bool checked = true;
    Reason reason = {}; // why its job did not end "Done"; empty when there is nothing to say
    // The picture's display aspect ("16:9") when its pixels are not square;
    // empty when they are, or when nothing said. Not a cell: the Video Size
    // cell shows the stored size.
    std::string displayAspect = {};
    // How the stored picture is shown: the Video Size cell holds the size a
    // player shows (720 x 1280 for a phone's upright clip stored as 1280 x
    // 720); the stored size and the turn say the rest. Not cells: the cell's
    // tooltip tells them, with "interlaced".
    std::string storedSize = {}; // empty when the picture is not turned
    int rotation = 0;            // degrees clockwise
    bool interlaced = false;
    RowOutcome outcome = RowOutcome::None;  // None while the Progress cell is empty or a percentage
    std::optional<long long> frames = {};   // the Frames cell's count
    std::string outputPath = {};            // the file its conversion writes; empty when none was named
    std::string expectedSize = {};          // "~24 MB": what its job should come to; empty when not told
    std::string stage = {};                 // "pass 1 of 2" while a job of two passes runs
    // Not cells: the part of the file its job converts, and the part of the
    // picture inside the black borders the analysis found for Crop: Auto
    // (the whole picture when it found none; nothing until it looked).
    TrimRange trim = {};
    std::optional<CropArea> crop = {};

    // The Output cell as shown: the format tag, and the expected size after it.
    std::string outputText() const;

    // The Video Size cell's tooltip: "Stored as 1280 x 720, turned 90°
    // clockwise", "Interlaced" and "Crop 1280 x 536 at 0,92", each on a
    // line; empty when none applies.
    std::string pictureNote() const;

    std::string& cell(FileColumn column) { return cells[static_cast<std::size_t>(column)]; }
    const std::string& cell(FileColumn column) const { return cells[static_cast<std::size_t>(column)]; }
};
