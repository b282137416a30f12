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

bool CheckRequiredFiles(const std::vector<std::string>& paths, Messages& messages)
{
    for (const auto& path : paths) {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            messages.information(texts::kRequiredFileMissing);
            return false;
        }
    }
    return true;
}

bool CheckRequiredFiles(const std::string& appDir, Messages& messages)
{
    return CheckRequiredFiles(RequiredFilePaths(appDir), messages);
}
