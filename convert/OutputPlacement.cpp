// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/OutputPlacement.h"

#include "core/cmdline/OutputNaming.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsOwnRegularFile(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == geteuid();
}

// A regular file, or anything of the user's own.
bool MayReplace(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && (S_ISREG(status.st_mode) || status.st_uid == geteuid());
}

// 0, or why the rename failed: EEXIST when the name is taken.
int RenameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    const int cause = errno;
    if (cause != EINVAL && cause != ENOSYS)
        return cause;
    // A file system that cannot refuse to replace: look first.
    if (PathExists(to))
        return EEXIST;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// The output's name, or the next free numbered one; never replaces a file.
std::string PlaceBeside(const std::string& partial, const std::string& target, std::error_code& error)
{
    const std::filesystem::path path(target);
    const std::string dottedExtension = path.extension().string();
    const std::string extension = dottedExtension.empty() ? "" : dottedExtension.substr(1);
    std::string name = target;
    for (;;) {
        const int cause = RenameWithoutReplacing(partial, name);
        if (cause == 0)
            return name;
        if (cause != EEXIST) {
            error = std::error_code(cause, std::generic_category());
            return name;
        }
        name = UniqueOutputName(path.parent_path().string(), path.stem().string(), extension, PathExists);
    }
}

} // namespace

std::string PlaceOutput(const std::string& partial, const std::string& target, bool replaceExisting,
                        std::error_code& error)
{
    if (!IsOwnRegularFile(partial)) {
        error = std::make_error_code(std::errc::operation_not_permitted);
        return target;
    }
    if (replaceExisting && MayReplace(target) && std::rename(partial.c_str(), target.c_str()) == 0)
        return target;
    return PlaceBeside(partial, target, error);
}
