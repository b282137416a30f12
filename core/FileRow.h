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

    std::string& cell(FileColumn column) { return cells[static_cast<std::size_t>(column)]; }
    const std::string& cell(FileColumn column) const { return cells[static_cast<std::size_t>(column)]; }
};
