// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DroppedFiles.h"

#include "core/TextRules.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool HasExtension(const fs::path& file, const std::vector<std::string>& extensions)
{
    const std::string extension = file.extension().string();
    if (extension.size() < 2)
        return false;
    return std::find(extensions.begin(), extensions.end(), ToLower(extension.substr(1))) != extensions.end();
}

std::vector<std::string> MediaFilesIn(const fs::path& folder, const std::vector<std::string>& extensions)
{
    std::vector<std::string> files;
    std::error_code error;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error);
    for (const fs::recursive_directory_iterator end; !error && walk != end; walk.increment(error)) {
        std::error_code typeError;
        if (walk->is_regular_file(typeError) && HasExtension(walk->path(), extensions))
            files.push_back(walk->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

std::vector<std::string> ExpandDroppedPaths(const std::vector<std::string>& paths,
                                            const std::vector<std::string>& extensions)
{
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error)) {
            const auto inside = MediaFilesIn(path, extensions);
            files.insert(files.end(), inside.begin(), inside.end());
        } else {
            files.push_back(path);
        }
    }
    return files;
}
