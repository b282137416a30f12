// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include "platform/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameText(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// "[name]" gives the trimmed name; any other line gives nothing.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

// "key=value" gives the trimmed key; sections, comments and other lines give nothing.
std::optional<std::string_view> KeyName(std::string_view line)
{
    const auto trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(0, equals));
}

std::string_view ValueOf(std::string_view line)
{
    return Trimmed(line.substr(line.find('=') + 1));
}

} // namespace

std::optional<int> ParseIniInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto digits = text.substr(2);
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (error != std::errc() || end != digits.data() + digits.size() || digits.size() > 8)
            return std::nullopt;
        return static_cast<int>(value);
    }
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

IniFile::IniFile(std::string path)
    : path_(std::move(path))
{
}

bool IniFile::exists() const
{
    std::error_code error;
    return std::filesystem::is_regular_file(path_, error);
}

bool IniFile::read()
{
    QFile file(QString::fromStdString(path_));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    lines_.clear();
    std::string_view rest(content.constData(), static_cast<std::size_t>(content.size()));
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return true;
}

bool IniFile::remove() const
{
    std::error_code error;
    // Only a file is ours to delete; a folder of that name is left alone.
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path_, error)))
        return false;
    std::filesystem::remove(path_, error);
    return !error;
}

std::optional<IniFile::Found> IniFile::find(std::string_view section, std::string_view key) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !SameText(*name, section))
            continue;
        Found found{i, i + 1, std::nullopt};
        for (std::size_t j = i + 1; j < lines_.size() && !SectionName(lines_[j]); ++j) {
            const auto keyName = KeyName(lines_[j]);
            if (!keyName)
                continue;
            found.sectionEnd = j + 1;
            if (!found.keyLine && SameText(*keyName, key))
                found.keyLine = j;
        }
        return found;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const auto found = find(section, key);
    if (!found || !found->keyLine)
        return std::nullopt;
    return std::string(ValueOf(lines_[*found->keyLine]));
}

std::string IniFile::readString(std::string_view section, std::string_view key, const std::string& fallback) const
{
    return value(section, key).value_or(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const
{
    const auto text = value(section, key);
    if (!text)
        return fallback;
    return ParseIniInteger(*text).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return false;
    std::string line = std::string(key) + '=' + std::string(value);
    const auto found = find(section, key);
    if (found && found->keyLine)
        lines_[*found->keyLine] = std::move(line);
    else if (found)
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found->sectionEnd), std::move(line));
    else {
        lines_.push_back('[' + std::string(section) + ']');
        lines_.push_back(std::move(line));
    }
    return true;
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    return writeString(section, key, value ? "1" : "0");
}

bool IniFile::commit() const
{
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += '\n';
    }
    return platform::WriteFileAtomically(path_, text);
}
