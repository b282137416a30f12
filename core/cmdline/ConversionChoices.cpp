// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cmdline/ConversionChoices.h"

ConversionChoices TakeChoices(const ProfileState& state, const std::string& volumeFactor,
                              const std::string& outputDir, bool overwrite, const std::string& appDir)
{
    const OptionLists& lists = state.lists;
    ConversionChoices choices;
    choices.formatIndex = state.formatIndex;
    choices.videoCodec = lists.videoCodec.selectedText();
    choices.videoSize = lists.videoSize.selectedText();
    choices.videoBitrate = lists.videoBitrate.selectedText();
    choices.frameRate = lists.videoFramerate.selectedText();
    choices.hdr = lists.hdr.selectedText();
    choices.crop = lists.crop.selectedText();
    choices.audioCodec = lists.audioCodec.selectedText();
    choices.audioBitrate = lists.audioBitrate.selectedText();
    choices.samplingRate = lists.samplingRate.selectedText();
    // The index into the fixed list; "Auto" (the source's channels) is none.
    choices.channelIndex = -1;
    const std::vector<std::string>& fixed = FixedChannelEntries();
    for (std::size_t i = 0; i < fixed.size(); ++i)
        if (lists.audioChannel.selectedText() == fixed[i])
            choices.channelIndex = static_cast<int>(i);
    choices.letterBoxIndex = lists.letterBox.selected;
    choices.muteIndex = lists.muteAudio.selected;
    if (lists.loudness.enabled)
        choices.loudness = lists.loudness.selectedText();
    choices.volumeFactor = volumeFactor;
    choices.outputDir = outputDir;
    choices.overwrite = overwrite;
    choices.profileFamily = state.profileFamily;
    choices.appDir = appDir;
    return choices;
}
