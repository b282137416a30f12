// SPDX-License-Identifier: GPL-3.0-or-later
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

void FillCodec(OptionList& list, const NewerCodec& codec)
{
    list.fill({codec.text}, codec.text);
}

// Lossless sound and Opus keep the source's channels: mono stays mono.
void KeepSourceChannels(OptionLists& lists)
{
    lists.audioChannel.fill(WithAuto(FixedChannelEntries()), kAutoEntry);
}

} // namespace

// FLAC and WAV are lossless: the sound decides the size, so they offer no bitrate.
void ApplyFlacProfile(ProfileState& state)
{
    FillCodec(state.lists.audioCodec, codecs::kFlac);
    state.lists.samplingRate.fill({kAutoEntry, "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz", "96000 Hz"}, kAutoEntry);
    KeepSourceChannels(state.lists);
}

void ApplyOpusProfile(ProfileState& state)
{
    FillCodec(state.lists.audioCodec, codecs::kOpus);
    state.lists.audioBitrate.fill(OpusBitrates(), "128 Kbps");
    state.lists.samplingRate.fill(OpusSamplingRates(), kAutoEntry);
    KeepSourceChannels(state.lists);
}

void ApplyOggProfile(ProfileState& state)
{
    FillCodec(state.lists.audioCodec, codecs::kVorbis);
    state.lists.audioBitrate.fill({"64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps", "320 Kbps"},
                                  "160 Kbps");
    state.lists.samplingRate.fill(WithAuto(GenericSamplingRates()), kAutoEntry);
}

void ApplyWavProfile(ProfileState& state)
{
    FillCodec(state.lists.audioCodec, codecs::kPcm16);
    state.lists.samplingRate.fill(WithAuto(GenericSamplingRates()), kAutoEntry);
    KeepSourceChannels(state.lists);
}
