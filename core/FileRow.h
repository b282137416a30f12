#pragma once
// One row of the file list: the input path as caption, a check box, and the
// six cells after it.
#include <array>
#include <string>

enum class FileColumn { VideoSize = 0, FrameRate, Duration, Output, Progress, Frames };

struct FileRow {
    std::string caption;
    std::array<std::string, 6> cells;
    bool checked = true;

    std::string& cell(FileColumn column) { return cells[static_cast<std::size_t>(column)]; }
    const std::string& cell(FileColumn column) const { return cells[static_cast<std::size_t>(column)]; }
};
