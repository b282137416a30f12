// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A profile (INI) file as the settings use it. Sections and keys match
// without regard to case and the first match wins; values are trimmed; an
// integer of more than two characters that begins with "0x" is hexadecimal.
// Reading takes the whole file into memory; writing changes that copy, and
// commit() puts it on disk as a new file that replaces the old one only
// when it is complete.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    // Whether a regular file exists at the path.
    bool exists() const;
    // Takes the file's lines into memory; false when it cannot be read.
    bool read();
    // Deletes the file; false when there was one and it could not be deleted.
    bool remove() const;

    // The trimmed value of the first matching key in the first matching section.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, const std::string& fallback) const;
    // A value that is not a whole number reads as the fallback.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // Checked when the integer value is not 0.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the first matching key, else adds the key at the end of the
    // first matching section, else a new section at the end. A value with a
    // line break is refused, since it would add lines of its own.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, int value);
    bool writeBool(std::string_view section, std::string_view key, bool value);

    // Writes the lines to the path, creating the file when it is missing.
    bool commit() const;

private:
    struct Found {
        std::size_t sectionLine = 0;
        std::size_t sectionEnd = 0; // one past the section's last key line
        std::optional<std::size_t> keyLine;
    };
    std::optional<Found> find(std::string_view section, std::string_view key) const;

    std::string path_;
    std::vector<std::string> lines_;
};

// The whole-text integer rule of the INI values: optional sign and decimal
// digits, or "0x" and up to eight hexadecimal digits.
std::optional<int> ParseIniInteger(std::string_view text);
