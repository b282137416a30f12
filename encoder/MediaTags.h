// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tags and pictures a sound output takes over from its source: the
// fields in TagLib's common names (TITLE, ARTIST, TRACKNUMBER, DATE, and a
// custom name as it stands), each with all its values, and the embedded
// pictures with their ID3 picture type (3: the front cover).
#include <cstdint>
#include <string>
#include <vector>

#include <taglib/tpropertymap.h>

namespace ridod2e {

struct CoverPicture {
    static constexpr int FrontCover = 3;

    std::string mimeType; // "image/jpeg" or "image/png"
    int type = FrontCover;
    std::string description;
    std::vector<uint8_t> data;
};

struct MediaTags {
    TagLib::PropertyMap fields;
    std::vector<CoverPicture> pictures; // the front cover first
};

} // namespace ridod2e
