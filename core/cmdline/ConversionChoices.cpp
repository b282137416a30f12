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
    choices.audioCodec = lists.audioCodec.selectedText();
    choices.audioBitrate = lists.audioBitrate.selectedText();
    choices.samplingRate = lists.samplingRate.selectedText();
    choices.channelIndex = lists.audioChannel.selected;
    choices.letterBoxIndex = lists.letterBox.selected;
    choices.muteIndex = lists.muteAudio.selected;
    choices.volumeFactor = volumeFactor;
    choices.outputDir = outputDir;
    choices.overwrite = overwrite;
    choices.profileFamily = state.profileFamily;
    choices.appDir = appDir;
    return choices;
}
