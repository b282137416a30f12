// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's place, size and list column widths, kept in the
// settings file's [Window] section. A file without the section (or with an
// unusable size in it) leaves the window at its design layout.
#include <optional>
#include <string>
#include <vector>

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    std::vector<int> columnWidths; // of the file list, left to right

    bool operator==(const WindowPlacement&) const = default;
};

// The [Window] section of the settings file at `path`.
std::optional<WindowPlacement> LoadWindowPlacement(const std::string& path);
// Whether the file at `path` has a [Window] section.
bool HasWindowPlacement(const std::string& path);
// Writes the [Window] section, keeping the file's other lines.
bool SaveWindowPlacement(const std::string& path, const WindowPlacement& placement);
