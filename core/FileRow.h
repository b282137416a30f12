#pragma once
// One row of the file list: the input path as caption, a check box, the
// six cells after it, and why its last conversion did not end "Done".
#include <array>
#include <string>

enum class FileColumn { VideoSize = 0, FrameRate, Duration, Output, Progress, Frames };

// The file list's table shows the caption in column 0 and the cells after it.
constexpr int TableColumn(FileColumn column) { return static_cast<int>(column) + 1; }

struct FileRow {
    std::string caption;
    std::array<std::string, 6> cells;
    bool checked = true;
    std::string reason = {}; // empty when there is nothing to say
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

    // The Video Size cell's tooltip: "Stored as 1280 x 720, turned 90°
    // clockwise" and "Interlaced", each on a line; empty when neither.
    std::string pictureNote() const;

    std::string& cell(FileColumn column) { return cells[static_cast<std::size_t>(column)]; }
    const std::string& cell(FileColumn column) const { return cells[static_cast<std::size_t>(column)]; }
};
