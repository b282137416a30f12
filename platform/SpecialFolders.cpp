// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpecialFolders.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<SpecialFolderId, 58> kIds{{
    {0x0030, "CSIDL_ADMINTOOLS"},
    {0x001d, "CSIDL_ALTSTARTUP"},
    {0x001a, "CSIDL_APPDATA"},
    {0x000a, "CSIDL_BITBUCKET"},
    {0x003b, "CSIDL_CDBURN_AREA"},
    {0x002f, "CSIDL_COMMON_ADMINTOOLS"},
    {0x001e, "CSIDL_COMMON_ALTSTARTUP"},
    {0x0023, "CSIDL_COMMON_APPDATA"},
    {0x0019, "CSIDL_COMMON_DESKTOPDIRECTORY"},
    {0x002e, "CSIDL_COMMON_DOCUMENTS"},
    {0x001f, "CSIDL_COMMON_FAVORITES"},
    {0x0035, "CSIDL_COMMON_MUSIC"},
    {0x0036, "CSIDL_COMMON_PICTURES"},
    {0x0017, "CSIDL_COMMON_PROGRAMS"},
    {0x0016, "CSIDL_COMMON_STARTMENU"},
    {0x0018, "CSIDL_COMMON_STARTUP"},
    {0x002d, "CSIDL_COMMON_TEMPLATES"},
    {0x0037, "CSIDL_COMMON_VIDEO"},
    {0x003d, "CSIDL_COMPUTERSNEARME"},
    {0x0031, "CSIDL_CONNECTIONS"},
    {0x0003, "CSIDL_CONTROLS"},
    {0x0021, "CSIDL_COOKIES"},
    {0x0000, "CSIDL_DESKTOP"},
    {0x0010, "CSIDL_DESKTOPDIRECTORY"},
    {0x0011, "CSIDL_DRIVES"},
    {0x0006, "CSIDL_FAVORITES"},
    {0x0014, "CSIDL_FONTS"},
    {0x0022, "CSIDL_HISTORY"},
    {0x0001, "CSIDL_INTERNET"},
    {0x0020, "CSIDL_INTERNET_CACHE"},
    {0x001c, "CSIDL_LOCAL_APPDATA"},
    {0x0005, "CSIDL_MYDOCUMENTS"},
    {0x000d, "CSIDL_MYMUSIC"},
    {0x0027, "CSIDL_MYPICTURES"},
    {0x000e, "CSIDL_MYVIDEO"},
    {0x0013, "CSIDL_NETHOOD"},
    {0x0012, "CSIDL_NETWORK"},
    {0x0005, "CSIDL_PERSONAL"},
    {0x0045, "CSIDL_PHOTOALBUMS"},
    {0x003f, "CSIDL_PLAYLISTS"},
    {0x0004, "CSIDL_PRINTERS"},
    {0x001b, "CSIDL_PRINTHOOD"},
    {0x0028, "CSIDL_PROFILE"},
    {0x003e, "CSIDL_PROFILES"},
    {0x0026, "CSIDL_PROGRAM_FILES"},
    {0x002b, "CSIDL_PROGRAM_FILES_COMMON"},
    {0x0002, "CSIDL_PROGRAMS"},
    {0x0008, "CSIDL_RECENT"},
    {0x0040, "CSIDL_SAMPLE_MUSIC"},
    {0x0041, "CSIDL_SAMPLE_PLAYLISTS"},
    {0x0042, "CSIDL_SAMPLE_PICTURES"},
    {0x0043, "CSIDL_SAMPLE_VIDEOS"},
    {0x0009, "CSIDL_SENDTO"},
    {0x000b, "CSIDL_STARTMENU"},
    {0x0007, "CSIDL_STARTUP"},
    {0x0025, "CSIDL_SYSTEM"},
    {0x0015, "CSIDL_TEMPLATES"},
    {0x0024, "CSIDL_WINDOWS"},
}};

// The identifiers this system has a place for, and the place.
std::optional<QString> Location(int id)
{
    const auto standard = [](QStandardPaths::StandardLocation location) -> std::optional<QString> {
        return QStandardPaths::writableLocation(location);
    };
    switch (id) {
    case 0x0011: // the computer's drives
        return QDir::rootPath();
    case 0x0010: return standard(QStandardPaths::DesktopLocation);
    case 0x0005: return standard(QStandardPaths::DocumentsLocation);
    case 0x000d: return standard(QStandardPaths::MusicLocation);
    case 0x0027: return standard(QStandardPaths::PicturesLocation);
    case 0x000e: return standard(QStandardPaths::MoviesLocation);
    case 0x0028: return standard(QStandardPaths::HomeLocation);
    case 0x001a: return standard(QStandardPaths::GenericConfigLocation);
    case 0x001c: return standard(QStandardPaths::GenericDataLocation);
    case 0x0020: return standard(QStandardPaths::GenericCacheLocation);
    case 0x0014: return standard(QStandardPaths::FontsLocation);
    case 0x0002: return standard(QStandardPaths::ApplicationsLocation);
    default: return std::nullopt;
    }
}

} // namespace

std::span<const SpecialFolderId> SpecialFolderIds()
{
    return kIds;
}

bool IsSpecialFolderId(int id)
{
    return std::ranges::any_of(kIds, [id](const SpecialFolderId& entry) { return entry.id == id; });
}

std::optional<std::string> SpecialFolderPath(int id)
{
    const auto location = Location(id);
    if (!location || location->isEmpty() || !QDir(*location).exists())
        return std::nullopt;
    return location->toStdString();
}
