// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/OutputFile.h"

#include "encoder/Fault.h"
#include "encoder/StopSignals.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ridod2e {
namespace {

constexpr int NamesToTry = 100;

std::string SystemReason(int error)
{
    return std::strerror(error);
}

} // namespace

std::string RandomNamePart()
{
    static constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char bytes[10] = {};
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes))
        Fail("no random name can be made for the output file");
    std::string part;
    for (const unsigned char byte : bytes)
        part += Letters[byte % Letters.size()];
    return part;
}

std::string HiddenPathFor(const std::string& path, const std::string& part)
{
    const std::filesystem::path target(path);
    const std::string tag = ".partial-" + part;
    const std::string extension = target.extension().string();
    std::string stem = target.stem().string();
    const std::size_t fixed = 1 + tag.size() + extension.size();
    const std::size_t room = fixed < NAME_MAX ? NAME_MAX - fixed : 0;
    if (stem.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;
        stem.resize(cut);
    }
    return (target.parent_path() / ("." + stem + tag + extension)).string();
}

bool MayReplace(const std::string& path)
{
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode) || status.st_uid == geteuid();
}

OutputFile::OutputFile(const std::string& path, bool replace, const NamePart& namePart)
    : path_(path), replace_(replace)
{
    for (int attempt = 0; attempt < NamesToTry && descriptor_ < 0; ++attempt) {
        hidden_ = HiddenPathFor(path, namePart());
        descriptor_ = open(hidden_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && errno != EEXIST)
            Fail("cannot create the output file '" + path + "' (" + SystemReason(errno) + ")");
    }
    if (descriptor_ < 0)
        Fail("cannot create the output file '" + path + "': every name tried beside it was taken");
    RemoveOnForcedEnd(hidden_);
}

OutputFile::~OutputFile()
{
    RemoveOnForcedEnd({});
    if (!placed_ && stillOurs())
        unlink(hidden_.c_str());
    close(descriptor_);
}

long long OutputFile::size() const
{
    struct stat status {};
    return fstat(descriptor_, &status) == 0 ? static_cast<long long>(status.st_size) : 0;
}

bool OutputFile::stillOurs() const
{
    struct stat named {};
    struct stat ours {};
    return lstat(hidden_.c_str(), &named) == 0 && fstat(descriptor_, &ours) == 0 && named.st_dev == ours.st_dev
        && named.st_ino == ours.st_ino;
}

void OutputFile::place()
{
    if (!stillOurs())
        Fail("the unfinished output file beside '" + path_ + "' was moved or replaced by someone else");
    int error = renameat2(AT_FDCWD, hidden_.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
    if (error == EINVAL || error == ENOSYS) {
        // A file system that cannot refuse to replace: look first.
        struct stat status {};
        if (lstat(path_.c_str(), &status) == 0 || errno != ENOENT)
            error = EEXIST;
        else
            error = std::rename(hidden_.c_str(), path_.c_str()) == 0 ? 0 : errno;
    }
    if (error == EEXIST && !replace_)
        Fail("the output file '" + path_ + "' exists; give -y to replace it");
    if (error == EEXIST && !MayReplace(path_))
        Fail("'" + path_ + "' is not a regular file of yours; it was not replaced");
    if (error == EEXIST)
        error = std::rename(hidden_.c_str(), path_.c_str()) == 0 ? 0 : errno;
    if (error != 0)
        Fail("cannot give the output file its name '" + path_ + "' (" + SystemReason(error) + ")");
    placed_ = true;
}

} // namespace ridod2e
