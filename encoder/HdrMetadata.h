// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mastering display and content light level of an HDR10 stream, which
// an output that stays HDR carries on: from the container where it states
// them, else from the first picture (many files hold them only in the
// video's own bitstream).
#include "encoder/Libav.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ridod2e {

struct HdrMetadata {
    std::vector<uint8_t> mastering; // an AVMasteringDisplayMetadata; empty: none
    std::vector<uint8_t> light;     // an AVContentLightMetadata; empty: none
};

HdrMetadata ReadHdrMetadata(const AVFormatContext* input, const AVStream* source);

// x265's parameters for them: "hdr10=1:master-display=...:max-cll=...".
std::string X265HdrParameters(const HdrMetadata& metadata);

} // namespace ridod2e
