// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FitSizeEntries.h"
#include "core/profiles/NewerCodecs.h"
#include "core/profiles/NewerEntries.h"
#include "core/profiles/Profiles.h"
#include "core/profiles/SharedLists.h"

namespace {

// The picture lists MP4 and WebM share.
void ApplyNewerPicture(OptionLists& lists)
{
    std::vector<std::string> sizes{kOriginalSizeEntry};
    sizes.insert(sizes.end(), kNewerPictureBoxes.begin(), kNewerPictureBoxes.end());
    lists.videoSize.fill(std::move(sizes), kOriginalSizeEntry);
    std::vector<std::string> bitrates{kAutoQualityEntry, "500 Kbps",  "1000 Kbps", "1500 Kbps",
                                      "2500 Kbps",       "4000 Kbps", "6000 Kbps", "8000 Kbps"};
    const std::vector<std::string>& fits = FitSizeEntries();
    bitrates.insert(bitrates.end(), fits.begin(), fits.end());
    lists.videoBitrate.fill(std::move(bitrates), kAutoQualityEntry);
    lists.videoFramerate.fill({kAutoEntry, "24 fps", "25 fps", "30 fps", "50 fps", "60 fps"}, kAutoEntry);
    lists.hdr.fill({kKeepHdrEntry, kToneMapEntry}, kKeepHdrEntry);
}

} // namespace

void ApplyMp4VideoProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyNewerPicture(lists);
    lists.videoCodec.fill({codecs::kH264.text, codecs::kH265.text, codecs::kAv1.text}, codecs::kH264.text);
    lists.audioCodec.fill({codecs::kAac.text}, codecs::kAac.text);
    lists.audioBitrate.fill({"96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps", "320 Kbps"}, "160 Kbps");
    lists.samplingRate.fill({kAutoEntry, "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"}, kAutoEntry);
}

void ApplyWebmProfile(ProfileState& state)
{
    OptionLists& lists = state.lists;
    ApplyNewerPicture(lists);
    lists.videoCodec.fill({codecs::kVp9.text}, codecs::kVp9.text);
    lists.audioCodec.fill({codecs::kOpus.text}, codecs::kOpus.text);
    lists.audioBitrate.fill(OpusBitrates(), "128 Kbps");
    lists.samplingRate.fill(OpusSamplingRates(), kAutoEntry);
}

void ApplyGifProfile(ProfileState& state)
{
    // A width alone bounds the picture: there is no frame to put bars in.
    OptionLists& lists = state.lists;
    lists.videoCodec.fill({codecs::kGif.text}, codecs::kGif.text);
    lists.videoSize.fill({"320 wide", "480 wide", "640 wide", kOriginalSizeEntry}, "480 wide");
    lists.videoFramerate.fill({"10 fps", "12 fps", "15 fps", "20 fps", "25 fps"}, "12 fps");
}
