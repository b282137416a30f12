#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/NewerCodecs.h"
#include "core/profiles/NewerEntries.h"
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

Entries WithAuto(const Entries& rates)
{
    Entries entries{kAutoEntry};
    entries.insert(entries.end(), rates.begin(), rates.end());
    return entries;
}

} // namespace

void ApplyNewerAudioProfile(int format, ProfileState& state)
{
    OptionLists& lists = state.lists;
    lists.videoCodec.withdraw();
    lists.videoSize.withdraw();
    lists.videoBitrate.withdraw();
    lists.videoFramerate.withdraw();
    lists.letterBox.enabled = false;
    lists.muteAudio.enabled = false;
    // Lossless sound and Opus keep the source's channels: mono stays mono.
    if (format != formats::kOgg)
        lists.audioChannel.fill(WithAuto(FixedChannelEntries()), kAutoEntry);
    switch (format) {
    case formats::kFlac:
        lists.audioCodec.fill({codecs::kFlac.text}, codecs::kFlac.text);
        lists.audioBitrate.withdraw(); // lossless: the sound decides the size
        lists.samplingRate.fill({kAutoEntry, "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz", "96000 Hz"}, kAutoEntry);
        break;
    case formats::kOpus:
        lists.audioCodec.fill({codecs::kOpus.text}, codecs::kOpus.text);
        lists.audioBitrate.fill(OpusBitrates(), "128 Kbps");
        lists.samplingRate.fill(OpusSamplingRates(), kAutoEntry);
        break;
    case formats::kOgg:
        lists.audioCodec.fill({codecs::kVorbis.text}, codecs::kVorbis.text);
        lists.audioBitrate.fill({"64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps", "320 Kbps"},
                                "160 Kbps");
        lists.samplingRate.fill(WithAuto(GenericSamplingRates()), kAutoEntry);
        break;
    default: // WAV
        lists.audioCodec.fill({codecs::kPcm16.text}, codecs::kPcm16.text);
        lists.audioBitrate.withdraw();
        lists.samplingRate.fill(WithAuto(GenericSamplingRates()), kAutoEntry);
        break;
    }
}
