// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/FileSizeText.h"

#include <filesystem>

std::string FileSizeText(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return {};
    if (error)
        return "nil";
    if (!std::filesystem::is_regular_file(status))
        return "0";
    const auto size = std::filesystem::file_size(path, error);
    return error ? std::string("nil") : std::to_string(size);
}
