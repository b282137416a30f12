// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/NewerCodecs.h"

#include "core/TextRules.h"

#include <array>

const NewerCodec* NewerCodecFor(const std::string& text)
{
    static constexpr std::array<const NewerCodec*, 10> kCodecs{
        &codecs::kH264, &codecs::kH265, &codecs::kAv1,  &codecs::kVp9,  &codecs::kGif,
        &codecs::kAac,  &codecs::kOpus, &codecs::kVorbis, &codecs::kFlac, &codecs::kPcm16};
    const std::string trimmed = Trim(text);
    for (const NewerCodec* codec : kCodecs) {
        if (trimmed == codec->text)
            return codec;
    }
    return nullptr;
}
