// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

// 3GP and 3G2 differ only in the audio codecs they offer.
void ApplyPhone(ProfileState& state, const Entries& audioCodecs)
{
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({"MPEG4", "H263", "XVID"}, "MPEG4");
    lists.videoSize.fill({"128 x 96 (SQCIF)", "160 x 120 (QVGA)", "176 x 144 (QCIF)", "208 x 176", "220 x 176",
                          "320 x 240 (VGA)", "352 x 288 (CIF)"},
                         "176 x 144 (QCIF)");
    lists.videoBitrate.fill({"48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "256 Kbps", "512 Kbps"}, "128 Kbps");
    lists.videoFramerate.fill({"Auto", "11 fps", "14.985 fps", "15 fps"}, "Auto");
    lists.audioCodec.fill(audioCodecs, audioCodecs.front());
    lists.audioBitrate.fill({"32 Kbps", "48 Kbps"}, "48 Kbps");
    lists.samplingRate.fill({"8000  Hz", "16000 Hz"}, "8000  Hz");
    lists.audioChannel.select("Mono");
    lists.letterBox.select("LetterBox");
}

} // namespace

void Apply3gpProfile(ProfileState& state)
{
    ApplyPhone(state, {"amr_nb"});
}

void Apply3g2Profile(ProfileState& state)
{
    ApplyPhone(state, {"mpeg4aac", "amr_nb"});
}
