// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/FolderCover.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ridod2e {
namespace {

// A cover larger than this is no cover but something else named like one.
constexpr off_t MaxCoverBytes = 16 << 20;

constexpr std::array<std::string_view, 3> CoverStems{"cover", "folder", "front"};
constexpr std::array<std::string_view, 3> CoverExtensions{".jpg", ".jpeg", ".png"};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Where the name stands among the cover names; the size of the list when
// it is none of them.
std::size_t CoverRank(const std::string& name)
{
    const std::filesystem::path path(Lower(name));
    const std::string extension = path.extension().string();
    if (std::find(CoverExtensions.begin(), CoverExtensions.end(), extension) == CoverExtensions.end())
        return CoverStems.size();
    return std::find(CoverStems.begin(), CoverStems.end(), path.stem().string()) - CoverStems.begin();
}

std::string MimeTypeOf(const std::vector<uint8_t>& data)
{
    static constexpr uint8_t Jpeg[] = {0xFF, 0xD8, 0xFF};
    static constexpr uint8_t Png[] = {0x89, 'P', 'N', 'G'};
    if (data.size() > sizeof Png && std::equal(std::begin(Jpeg), std::end(Jpeg), data.begin()))
        return "image/jpeg";
    if (data.size() > sizeof Png && std::equal(std::begin(Png), std::end(Png), data.begin()))
        return "image/png";
    return {};
}

// The file's bytes when it is a regular file of a cover's size, read
// without following a link.
std::vector<uint8_t> ReadCover(const std::filesystem::path& path)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return {};
    std::vector<uint8_t> data;
    struct stat status {};
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0
        && status.st_size <= MaxCoverBytes) {
        data.resize(static_cast<std::size_t>(status.st_size));
        std::size_t done = 0;
        while (done < data.size()) {
            const ssize_t got = read(descriptor, data.data() + done, data.size() - done);
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        data.resize(done);
    }
    close(descriptor);
    return data;
}

} // namespace

std::optional<CoverPicture> FolderCover(const std::string& inputPath)
{
    const std::filesystem::path folder = std::filesystem::absolute(inputPath).parent_path();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    std::vector<std::filesystem::path> found(CoverStems.size());
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::size_t rank = CoverRank(entries->path().filename().string());
        if (rank < found.size() && found[rank].empty())
            found[rank] = entries->path();
    }
    for (const std::filesystem::path& path : found) {
        if (path.empty())
            continue;
        CoverPicture cover;
        cover.data = ReadCover(path);
        cover.mimeType = MimeTypeOf(cover.data);
        if (!cover.mimeType.empty())
            return cover;
    }
    return std::nullopt;
}

} // namespace ridod2e
