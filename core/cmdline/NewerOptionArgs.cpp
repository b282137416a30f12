// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/NewerOptionArgs.h"

#include "core/cmdline/CommandPieces.h"
#include "core/cmdline/Letterbox.h"
#include "core/cmdline/OptionArgs.h"
#include "core/profiles/NewerCodecs.h"
#include "core/profiles/NewerEntries.h"
#include "core/TextRules.h"

namespace {

bool EndsWith(const std::string& text, std::string_view end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

std::string NewerCodecArg(std::string_view head, const std::string& codecText)
{
    const std::string trimmed = Trim(codecText);
    if (trimmed.empty())
        return {};
    const NewerCodec* codec = NewerCodecFor(trimmed);
    return Quoted(head, codec ? codec->encoderName : ToLower(trimmed));
}

std::string QualityArg(const std::string& codecText, const std::string& bitrateText)
{
    const std::string trimmed = Trim(bitrateText);
    if (trimmed.empty())
        return {};
    if (trimmed != kAutoQualityEntry)
        return VideoBitrateArg(trimmed);
    const NewerCodec* codec = NewerCodecFor(codecText);
    if (!codec || *codec->quality == '\0')
        return {};
    return Quoted(pieces::kQualityHead, codec->quality);
}

std::string PresetArg(const std::string& codecText)
{
    const NewerCodec* codec = NewerCodecFor(codecText);
    if (!codec || *codec->preset == '\0')
        return {};
    return Quoted(pieces::kPresetHead, codec->preset);
}

std::string ToneMapArg(const std::string& hdrText)
{
    return Trim(hdrText) == kToneMapEntry ? std::string(pieces::kToneMap) : std::string();
}

std::string NewerFrameRateArg(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed == kAutoEntry)
        return {};
    const std::string piece = FrameRateArg(trimmed); // " -r \"25\" " or empty
    return piece.empty() ? piece : piece.substr(0, piece.size() - 1);
}

std::string NewerSamplingRateArg(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed == kAutoEntry)
        return {};
    return SamplingRateArg(trimmed);
}

std::string NewerSizeArg(const std::string& sizeText, const std::string& sourceSize, bool letterBox,
                         const std::string& displayAspect)
{
    const std::string text = Trim(ToLower(sizeText));
    if (text.empty())
        return {};
    if (text == ToLower(kOriginalSizeEntry))
        return std::string(pieces::kKeepSize);
    if (EndsWith(text, kWideSuffix))
        return std::string(pieces::kSizeHead) + Trim(text.substr(0, text.size() - std::string_view(kWideSuffix).size()))
            + "x0" + std::string(pieces::kFit);
    const std::string plain = std::string(pieces::kSizeHead) + RemoveBlanks(text);
    if (letterBox) {
        const std::string barred = LetterboxedSize(sourceSize, plain, displayAspect);
        if (barred != plain)
            return barred;
    }
    // Without bars the encoder fits the picture in itself: the row's size
    // may be unknown, and it knows the source's own shape.
    return plain + std::string(pieces::kFit);
}

std::string PassArg(int pass, const std::string& statistics)
{
    if (pass == 0)
        return {};
    return Quoted(pieces::kPassHead, std::to_string(pass)) + Quoted(pieces::kPassLogHead, statistics)
        + std::string(pass == 1 ? pieces::kNoAudioShort : "");
}

NewerPieces NewerPiecesFor(const ConversionChoices& choices, const std::string& sourceSize,
                           const std::string& displayAspect)
{
    NewerPieces p;
    p.videoCodec = NewerCodecArg(pieces::kVideoCodecHead, choices.videoCodec);
    p.quality = QualityArg(choices.videoCodec, choices.videoBitrate);
    p.preset = PresetArg(choices.videoCodec);
    p.toneMap = ToneMapArg(choices.hdr);
    p.frameRate = NewerFrameRateArg(choices.frameRate);
    p.audioCodec = NewerCodecArg(pieces::kAudioCodecHead, choices.audioCodec);
    p.samplingRate = NewerSamplingRateArg(choices.samplingRate);
    p.size = NewerSizeArg(choices.videoSize, sourceSize, choices.letterBoxIndex == 1, displayAspect);
    return p;
}
