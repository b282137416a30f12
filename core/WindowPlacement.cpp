// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WindowPlacement.h"

#include "platform/IniFile.h"

#include <sstream>

namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kLeft = "Left";
constexpr const char* kTop = "Top";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
constexpr const char* kMaximized = "Maximized";
constexpr const char* kColumns = "Columns";

// "320,90,70": whole positive numbers; anything else gives no widths.
std::vector<int> ParseWidths(const std::string& text)
{
    std::vector<int> widths;
    std::stringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        const auto width = ParseIniInteger(item);
        if (!width || *width <= 0)
            return {};
        widths.push_back(*width);
    }
    return widths;
}

std::string WidthsText(const std::vector<int>& widths)
{
    std::string text;
    for (const int width : widths)
        text += (text.empty() ? "" : ",") + std::to_string(width);
    return text;
}

} // namespace

std::optional<WindowPlacement> LoadWindowPlacement(const std::string& path)
{
    IniFile ini(path);
    if (!ini.exists() || !ini.read())
        return std::nullopt;
    WindowPlacement placement;
    placement.width = ini.readInteger(kWindow, kWidth, 0);
    placement.height = ini.readInteger(kWindow, kHeight, 0);
    if (placement.width <= 0 || placement.height <= 0)
        return std::nullopt;
    placement.left = ini.readInteger(kWindow, kLeft, 0);
    placement.top = ini.readInteger(kWindow, kTop, 0);
    placement.maximized = ini.readBool(kWindow, kMaximized, false);
    placement.columnWidths = ParseWidths(ini.readString(kWindow, kColumns, ""));
    return placement;
}

bool HasWindowPlacement(const std::string& path)
{
    IniFile ini(path);
    return ini.exists() && ini.read() && ini.value(kWindow, kWidth).has_value();
}

bool SaveWindowPlacement(const std::string& path, const WindowPlacement& placement)
{
    IniFile ini(path);
    return (!ini.exists() || ini.read()) && ini.writeInteger(kWindow, kLeft, placement.left)
        && ini.writeInteger(kWindow, kTop, placement.top) && ini.writeInteger(kWindow, kWidth, placement.width)
        && ini.writeInteger(kWindow, kHeight, placement.height)
        && ini.writeBool(kWindow, kMaximized, placement.maximized)
        && ini.writeString(kWindow, kColumns, WidthsText(placement.columnWidths)) && ini.commit();
}
