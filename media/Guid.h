// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A GUID as the media framework lays it out: compared by all 16 bytes.
// Many media-type GUIDs are a four-character code or a wave-format tag in
// the first 32 bits of one fixed base.
#include <array>
#include <cstdint>
#include <string>

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend bool operator==(const Guid&, const Guid&) = default;
};

// The FourCC form: the code's four bytes, first character lowest, followed
// by the base -0000-0010-8000-00AA00389B71.
constexpr Guid FourCCGuid(std::uint32_t code)
{
    return {code, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
}

// The four characters as a 32-bit code, first character in the lowest byte.
constexpr std::uint32_t FourCC(const char (&code)[5])
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(code[0]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])) << 24;
}

constexpr Guid FourCCGuid(const char (&code)[5]) { return FourCCGuid(FourCC(code)); }

// The wave-format-tag form: the tag in the first 32 bits of the same base.
constexpr Guid WaveTagGuid(std::uint16_t tag) { return FourCCGuid(std::uint32_t{tag}); }

// "{0482DEE1-7817-11CF-8A03-00AA006ECB65}".
std::string GuidText(const Guid& guid);
