// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's special-folder identifiers that a folder browser's root may
// take, with the values the Windows SDK gives them, and where each one lies
// on this system.
#include <optional>
#include <span>
#include <string>

struct SpecialFolderId {
    int id;
    const char* name;
};

// The 58 identifiers in their table order.
std::span<const SpecialFolderId> SpecialFolderIds();

bool IsSpecialFolderId(int id);

// The folder this system keeps for the identifier; nothing when it has no
// such folder or the folder does not exist. The desktop (0) is no folder
// but the top of everything: a browser rooted there has no root.
std::optional<std::string> SpecialFolderPath(int id);
