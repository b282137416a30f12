// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RequiredFiles.h"

#include "core/Texts.h"
#include "core/BuildPaths.h"
#include "core/Messages.h"
#include "core/EncoderName.h"

#include <filesystem>

std::vector<std::string> RequiredFilePaths(const std::string& appDir)
{
    return {appDir + kEncoderName, kAvcodecLibraryPath, kAvformatLibraryPath};
}

namespace {

std::optional<std::string> FirstMissing(const std::vector<std::string>& paths)
{
    for (const auto& path : paths) {
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return path;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> MissingRequiredFile(const std::string& appDir)
{
    return FirstMissing(RequiredFilePaths(appDir));
}

bool CheckRequiredFiles(const std::vector<std::string>& paths, Messages& messages)
{
    if (!FirstMissing(paths))
        return true;
    messages.information(texts::kRequiredFileMissing);
    return false;
}

bool CheckRequiredFiles(const std::string& appDir, Messages& messages)
{
    return CheckRequiredFiles(RequiredFilePaths(appDir), messages);
}
