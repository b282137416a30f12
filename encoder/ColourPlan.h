// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What becomes of a picture's colour on its way to the encoder, and what the
// output says about it. HDR (PQ or HLG) kept by a codec that can carry it
// stays 10-bit with its transfer, primaries and mastering metadata; going
// anywhere else it is tone-mapped to BT.709, as is a wide-gamut picture
// converted to BT.709 primaries. Such outputs say BT.709. Outputs of
// today's formats (-keepall) describe their colour always (the source's description,
// else the usual one for its size); the device formats' outputs of
// ordinary pictures stay as they always were, with nothing said.
#include "encoder/EncodeRequest.h"
#include "encoder/Libav.h"

#include <optional>
#include <string>

namespace ridod2e {

struct ColourTags {
    AVColorPrimaries primaries = AVCOL_PRI_UNSPECIFIED;
    AVColorTransferCharacteristic transfer = AVCOL_TRC_UNSPECIFIED;
    AVColorSpace matrix = AVCOL_SPC_UNSPECIFIED;
    AVColorRange range = AVCOL_RANGE_UNSPECIFIED;
};

struct ColourPlan {
    std::string filters;             // before scaling: tone mapping or gamut conversion; empty: none
    std::optional<ColourTags> tags;  // what the output says; nothing: it says nothing
    bool keepsHdr = false;           // 10-bit, HDR transfer and primaries kept
};

bool IsHdr(const AVCodecParameters& source);

// describes: the output describes its colour whatever the source (today's
// formats, -keepall); the request's -tonemap turns HDR into SDR for any codec.
ColourPlan PlanColour(const AVCodecParameters& source, const AVCodec* codec, const EncodeRequest& request,
                      bool describes);

// The 10-bit format the codec takes for HDR, or AV_PIX_FMT_NONE.
AVPixelFormat HdrPictureFormat(const AVCodec* codec);

// Sets the tags on the encoder's context.
void ApplyColourTags(AVCodecContext& context, const ColourTags& tags);

} // namespace ridod2e
