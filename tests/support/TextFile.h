// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files as text: read (empty when it cannot be read) and written.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Writes the text as the whole file; returns the file's path.
inline std::string WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}
