// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FormatCatalogue.h"
#include "core/profiles/FormatSwitch.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

// The shared lists, typed from the option-set tables.
const Entries kGenericSizes{
    "Original Video Size", "128 x 96 (SQCIF)", "160 x 120 (QVGA)", "176 x 120", "176 x 144 (QCIF)", "192 x 144",
    "208 x 176", "220 x 176", "240 x 180", "320 x 200", "320 x 240 (VGA)", "352 x 240", "352 x 288 (CIF)",
    "480 x 272", "480 x 360", "480 x 480", "480 x 576", "624 x 352", "640 x 352", "640 x 480", "704 x 576 (4CIF)",
    "720 x 480", "720 x 576"};
const Entries kGenericVideoBitrates{"192 Kbps", "200 Kbps", "216 Kbps", "384 Kbps", "512 Kbps", "640 Kbps",
                                    "768 Kbps", "1000 Kbps", "1200 Kbps", "1500 Kbps", "2500 Kbps"};
const Entries kGenericRates{"Auto", "14.985 fps", "15.0 fps", "23.975 fps", "25.0 fps", "29.97 fps", "30.0 fps"};
const Entries kGenericAudioBitrates{"32 Kbps", "48 Kbps", "56 Kbps", "64 Kbps", "80 Kbps",
                                    "96 Kbps", "112 Kbps", "128 Kbps", "160 Kbps", "192 Kbps"};
const Entries kWideAudioBitrates{"32 Kbps", "40 Kbps", "48 Kbps", "64 Kbps", "80 Kbps", "96 Kbps", "112 Kbps",
                                 "128 Kbps", "160 Kbps", "192 Kbps", "224 Kbps", "256 Kbps", "320 Kbps"};
const Entries kGenericSampling{"11025 Hz", "12000 Hz", "16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
const Entries kWideSampling{"8000  Hz", "16000 Hz", "22050 Hz", "32000 Hz",
                            "44100 Hz", "48000 Hz", "54000 Hz", "96000 Hz"};
const Entries kFourRates{"22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};

const Entries kIPodCodecs{"MPEG4", "XVid", "H264"};
const Entries kIPodBitrates{"512 Kbps", "1200 Kbps", "1500 Kbps", "2500 Kbps"};
const Entries kZuneSizes{"320 x 240", "640 x 480"};
const Entries kZuneBitrates{"256 Kbps", "512 Kbps", "768 Kbps", "1200 Kbps", "1500 Kbps", "2000 Kbps"};
const Entries kWmvCodecs{"wmv1x", "wmv2x", "wmv3x"};
const Entries kPspSizes{"160 x 112", "320 x 240", "368 x 208"};
const Entries kPspBitrates{"216 Kbps", "384 Kbps", "400 Kbps", "512 Kbps", "768 Kbps"};
const Entries kPspRates{"14.985 fps", "29.97 fps"};
const Entries kPspAudioBitrates{"32 Kbps", "48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps"};
const Entries kPs3Bitrates{"1200 Kbps", "1500 Kbps", "2000 Kbps", "2500 Kbps", "3000 Kbps"};
const Entries kPhoneCodecs{"MPEG4", "H263", "XVID"};
const Entries kPhoneSizes{"128 x 96 (SQCIF)", "160 x 120 (QVGA)", "176 x 144 (QCIF)", "208 x 176",
                          "220 x 176", "320 x 240 (VGA)", "352 x 288 (CIF)"};
const Entries kPhoneBitrates{"48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "256 Kbps", "512 Kbps"};
const Entries kPhoneRates{"Auto", "11 fps", "14.985 fps", "15 fps"};

// Today's formats.
const Entries kNewerSizes{"Original", "1920 x 1080", "1280 x 720", "854 x 480", "640 x 360"};
const Entries kNewerBitrates{"Auto (constant quality)", "500 Kbps", "1000 Kbps", "1500 Kbps", "2500 Kbps",
                             "4000 Kbps", "6000 Kbps", "8000 Kbps", "Fit in 8 MB", "Fit in 10 MB",
                             "Fit in 25 MB", "Fit in 50 MB", "Fit in 100 MB", "Fit in 500 MB",
                             "Fit in custom size\u2026"};
const Entries kNewerRates{"Auto", "24 fps", "25 fps", "30 fps", "50 fps", "60 fps"};
const Entries kOpusBitrates{"32 Kbps", "48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps"};
const Entries kOpusSampling{"Auto", "8000 Hz", "12000 Hz", "16000 Hz", "24000 Hz", "48000 Hz"};
const Entries kAutoGenericSampling{"Auto", "11025 Hz", "12000 Hz", "16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz",
                                   "48000 Hz"};

struct Expected {
    Entries entries;
    std::string selected; // empty: nothing selected
    bool enabled = true;
};

// The controls whose entries never change, and the volume slider: which of
// them the format leaves enabled.
struct Enabled {
    bool channel = true;
    bool letterBox = true;
    bool mute = true;
    bool volume = true;
};

struct ProfileRow {
    int format;
    Expected videoCodec, videoSize, videoBitrate, frameRate, audioCodec, audioBitrate, samplingRate;
    std::string channel;
    std::string family;
    Enabled enabled{};
};

const Expected kNone{{}, ""};
const Expected kOff{{}, "", false}; // withdrawn: empty and disabled
const Enabled kStreamCopy{false, false, true, false};
const Enabled kNoSound{false, false, false, false};
const Enabled kSoundOnly{true, false, false, true};

const std::vector<ProfileRow>& Rows()
{
    static const std::vector<ProfileRow> rows{
        {0, {kIPodCodecs, "MPEG4"}, {{"320 x 240"}, "320 x 240"}, {kIPodBitrates, "1500 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "64 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {1, {kIPodCodecs, "MPEG4"}, {{"320 x 240"}, "320 x 240"}, {kIPodBitrates, "1200 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "64 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {2, {kIPodCodecs, "MPEG4"}, {{"320 x 240"}, "320 x 240"}, {kIPodBitrates, "512 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "64 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {3, {kIPodCodecs, "MPEG4"}, {{"640 x 480"}, "640 x 480"}, {kIPodBitrates, "2500 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "80 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {4, {kIPodCodecs, "MPEG4"}, {{"640 x 480"}, "640 x 480"}, {kIPodBitrates, "1200 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "80 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {5, {kIPodCodecs, "MPEG4"}, {{"640 x 480"}, "640 x 480"}, {kIPodBitrates, "512 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "80 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {6, {kIPodCodecs, "MPEG4"}, {{"640 x 480"}, "640 x 480"}, {kIPodBitrates, "2500 Kbps"}, {kGenericRates, "Auto"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "80 Kbps"}, {kFourRates, "44100 Hz"}, "Stereo", ""},
        {8, {{"mpeg4"}, "mpeg4"}, {kZuneSizes, "320 x 240"}, {kZuneBitrates, "1200 Kbps"}, {{"29.97 fps"}, "29.97 fps"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "128 Kbps"}, {kWideSampling, "44100 Hz"}, "Stereo", ""},
        {9, {{"h264"}, "h264"}, {kZuneSizes, "320 x 240"}, {kZuneBitrates, "1200 Kbps"}, {{"29.97 fps"}, "29.97 fps"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "128 Kbps"}, {kWideSampling, "48000 Hz"}, "Stereo", ""},
        {10, {kWmvCodecs, "wmv3x"}, {kZuneSizes, "320 x 240"}, {kZuneBitrates, "1200 Kbps"}, {kGenericRates, "Auto"},
         {{"wma7x"}, "wma7x"}, {kWideAudioBitrates, "128 Kbps"}, {kWideSampling, "48000 Hz"}, "Stereo", ""},
        {12, {{"xvid"}, "xvid"}, {kPspSizes, "368 x 208"}, {kPspBitrates, "400 Kbps"}, {kPspRates, "29.97 fps"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kPspAudioBitrates, "64 Kbps"}, {{"24000 Hz"}, "24000 Hz"}, "Stereo", "psp"},
        {13, {{"h264"}, "h264"}, {kPspSizes, "368 x 208"}, {kPspBitrates, "400 Kbps"}, {kPspRates, "29.97 fps"},
         {{"mpeg4aac"}, "mpeg4aac"}, {kPspAudioBitrates, "64 Kbps"}, {{"48000 Hz"}, "48000 Hz"}, "Stereo", "psp"},
        {14, {{"h264"}, "h264"}, {{"640 x 480", "720 x 480", "720 x 576"}, "720 x 480"}, {kPs3Bitrates, "1200 Kbps"},
         {{"29.97 fps"}, "29.97 fps"}, {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "80 Kbps"},
         {kWideSampling, "44100 Hz"}, "Stereo", "psp"},
        {15, {{"h264"}, "h264"}, {{"1280 x 720"}, "1280 x 720"}, {kPs3Bitrates, "2000 Kbps"},
         {{"29.97 fps"}, "29.97 fps"}, {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "256 Kbps"},
         {kWideSampling, "44100 Hz"}, "Stereo", "psp"},
        {16, {{"h264"}, "h264"}, {{"1920 x 1072"}, "1920 x 1072"}, {kPs3Bitrates, "2000 Kbps"},
         {{"29.97 fps"}, "29.97 fps"}, {{"mpeg4aac"}, "mpeg4aac"}, {kWideAudioBitrates, "256 Kbps"},
         {kWideSampling, "44100 Hz"}, "Stereo", "psp"},
        {18, {kPhoneCodecs, "MPEG4"}, {kPhoneSizes, "176 x 144 (QCIF)"}, {kPhoneBitrates, "128 Kbps"},
         {kPhoneRates, "Auto"}, {{"amr_nb"}, "amr_nb"}, {{"32 Kbps", "48 Kbps"}, "48 Kbps"},
         {{"8000  Hz", "16000 Hz"}, "8000  Hz"}, "Mono", ""},
        {19, {kPhoneCodecs, "MPEG4"}, {kPhoneSizes, "176 x 144 (QCIF)"}, {kPhoneBitrates, "128 Kbps"},
         {kPhoneRates, "Auto"}, {{"mpeg4aac", "amr_nb"}, "mpeg4aac"}, {{"32 Kbps", "48 Kbps"}, "48 Kbps"},
         {{"8000  Hz", "16000 Hz"}, "8000  Hz"}, "Mono", ""},
        {21, kNone, kNone, kNone, kNone, {{"aac"}, "aac"}, {kGenericAudioBitrates, "128 Kbps"},
         {kGenericSampling, "44100 Hz"}, "Stereo", ""},
        {22, kNone, kNone, kNone, kNone, {{"mpeg4aac"}, "mpeg4aac"}, {kGenericAudioBitrates, "128 Kbps"},
         {kGenericSampling, "48000 Hz"}, "Stereo", ""},
        {23, kNone, kNone, kNone, kNone, {{"mp3"}, "mp3"}, {kWideAudioBitrates, "192 Kbps"}, {kFourRates, "48000 Hz"},
         "Stereo", ""},
        {24, kNone, kNone, kNone, kNone, {{"wma7x"}, "wma7x"}, {kWideAudioBitrates, "128 Kbps"},
         {kWideSampling, "48000 Hz"}, "Stereo", ""},
        {26, {kIPodCodecs, "MPEG4"}, {kGenericSizes, "Original Video Size"}, {kGenericVideoBitrates, "1200 Kbps"},
         {kGenericRates, "29.97 fps"}, {{"mp3", "pcm_s16le", "mp2", "ac3"}, "mp3"},
         {kGenericAudioBitrates, "128 Kbps"}, {kGenericSampling, "44100 Hz"}, "Stereo", ""},
        {27, {{"MPEG I", "MPEG II"}, "MPEG I"}, {kGenericSizes, "Original Video Size"},
         {kGenericVideoBitrates, "1200 Kbps"}, {kGenericRates, "29.97 fps"}, {{"mp2", "ac3"}, "mp2"},
         {kGenericAudioBitrates, "128 Kbps"}, {kGenericSampling, "44100 Hz"}, "Stereo", ""},
        {28, {{"mpeg4_qt"}, "mpeg4_qt"}, {kGenericSizes, "Original Video Size"}, {kGenericVideoBitrates, "1200 Kbps"},
         {kGenericRates, "Auto"}, {{"mpeg4aac_qt"}, "mpeg4aac_qt"}, {kGenericAudioBitrates, "128 Kbps"},
         {kGenericSampling, "44100 Hz"}, "Stereo", ""},
        {29, {kWmvCodecs, "wmv3x"}, {kGenericSizes, "Original Video Size"}, {kGenericVideoBitrates, "1200 Kbps"},
         {kGenericRates, "29.97 fps"}, {{"wma7x"}, "wma7x"}, {kGenericAudioBitrates, "128 Kbps"},
         {kGenericSampling, "44100 Hz"}, "Stereo", ""},
        {31, {{"H.264", "H.265 (HEVC)", "AV1"}, "H.264"}, {kNewerSizes, "Original"},
         {kNewerBitrates, "Auto (constant quality)"}, {kNewerRates, "Auto"}, {{"AAC"}, "AAC"},
         {{"96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps", "320 Kbps"}, "160 Kbps"},
         {{"Auto", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"}, "Auto"}, "Stereo", ""},
        {32, {{"VP9"}, "VP9"}, {kNewerSizes, "Original"}, {kNewerBitrates, "Auto (constant quality)"},
         {kNewerRates, "Auto"}, {{"Opus"}, "Opus"}, {kOpusBitrates, "128 Kbps"}, {kOpusSampling, "Auto"}, "Stereo", ""},
        {33, kOff, kOff, kOff, kOff, kOff, kOff, kOff, "Stereo", "", kStreamCopy},
        {34, kOff, kOff, kOff, kOff, kOff, kOff, kOff, "Stereo", "", kStreamCopy},
        {35, {{"GIF"}, "GIF"}, {{"320 wide", "480 wide", "640 wide", "Original"}, "480 wide"}, kOff,
         {{"10 fps", "12 fps", "15 fps", "20 fps", "25 fps"}, "12 fps"}, kOff, kOff, kOff, "Stereo", "", kNoSound},
        {37, kOff, kOff, kOff, kOff, {{"FLAC"}, "FLAC"}, kOff,
         {{"Auto", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz", "96000 Hz"}, "Auto"}, "Auto", "", kSoundOnly},
        {38, kOff, kOff, kOff, kOff, {{"Opus"}, "Opus"}, {kOpusBitrates, "128 Kbps"}, {kOpusSampling, "Auto"},
         "Auto", "", kSoundOnly},
        {39, kOff, kOff, kOff, kOff, {{"Vorbis"}, "Vorbis"},
         {{"64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps", "320 Kbps"}, "160 Kbps"},
         {kAutoGenericSampling, "Auto"}, "Stereo", "", kSoundOnly},
        {40, kOff, kOff, kOff, kOff, {{"PCM 16-bit"}, "PCM 16-bit"}, kOff, {kAutoGenericSampling, "Auto"}, "Auto", "",
         kSoundOnly},
    };
    return rows;
}

void ExpectList(const OptionList& list, const Expected& expected, const char* name, int format)
{
    EXPECT_EQ(list.entries, expected.entries) << name << " of format " << format;
    EXPECT_EQ(list.selectedText(), expected.selected) << name << " of format " << format;
    if (expected.selected.empty()) {
        EXPECT_EQ(list.selected, -1) << name << " of format " << format;
    }
    EXPECT_EQ(list.enabled, expected.enabled) << name << " of format " << format;
}

TEST(ProfileTables, EveryFormatHasItsListsAndDefaults)
{
    ASSERT_EQ(Rows().size(), 34u);
    for (const ProfileRow& row : Rows()) {
        // Start from a state where every switch has something to reset:
        // GIF's disabled lists, the phone profile's letterbox, mono, mute.
        ProfileState state = StartedProfileState();
        for (int format : {18, 35}) {
            state.formatIndex = format;
            RunFormatSwitch(state);
        }
        state.lists.audioChannel.select("Mono");
        state.lists.muteAudio.selected = 1;
        state.formatIndex = row.format;
        ASSERT_EQ(RunFormatSwitch(state), SwitchOutcome::Applied) << row.format;
        const OptionLists& lists = state.lists;
        ExpectList(lists.videoCodec, row.videoCodec, "video codec", row.format);
        ExpectList(lists.videoSize, row.videoSize, "video size", row.format);
        ExpectList(lists.videoBitrate, row.videoBitrate, "video bitrate", row.format);
        ExpectList(lists.videoFramerate, row.frameRate, "frame rate", row.format);
        ExpectList(lists.audioCodec, row.audioCodec, "audio codec", row.format);
        ExpectList(lists.audioBitrate, row.audioBitrate, "audio bitrate", row.format);
        ExpectList(lists.samplingRate, row.samplingRate, "sampling rate", row.format);
        // Only today's video rows choose between keeping HDR and tone-mapping it.
        const bool choosesHdr = row.format == 31 || row.format == 32;
        ExpectList(lists.hdr, choosesHdr ? Expected{{"Keep HDR", "Tone-map to SDR"}, "Keep HDR"} : kOff, "HDR", row.format);
        EXPECT_EQ(lists.audioChannel.selectedText(), row.channel) << row.format;
        // The lossless rows and Opus keep the source's channels first.
        const bool keepsChannels = row.channel == "Auto";
        EXPECT_EQ(lists.audioChannel.entries, keepsChannels ? (Entries{"Auto", "Stereo", "Mono"}) : (Entries{"Stereo", "Mono"}));
        EXPECT_EQ(lists.muteAudio.selectedText(), "False") << row.format;
        EXPECT_EQ(lists.audioChannel.enabled, row.enabled.channel) << row.format;
        EXPECT_EQ(lists.letterBox.enabled, row.enabled.letterBox) << row.format;
        EXPECT_EQ(lists.muteAudio.enabled, row.enabled.mute) << row.format;
        EXPECT_EQ(state.volumeEnabled, row.enabled.volume) << row.format;
        EXPECT_EQ(state.profileFamily, row.family) << row.format;
        EXPECT_EQ(state.selectedFormatIndex, row.format);
        EXPECT_EQ(state.formatIndex, row.format);
    }
}

TEST(ProfileTables, OnlyThePhoneProfilesSelectTheLetterbox)
{
    for (const ProfileRow& row : Rows()) {
        ProfileState state = StartedProfileState();
        state.lists.letterBox.select("None");
        state.formatIndex = row.format;
        RunFormatSwitch(state);
        const bool phone = row.format == 18 || row.format == 19;
        EXPECT_EQ(state.lists.letterBox.selectedText(), phone ? "LetterBox" : "None") << row.format;
        EXPECT_EQ(state.lists.letterBox.entries, (Entries{"None", "LetterBox"}));
    }
}

TEST(ProfileTables, VideoForTvShowsExactlyTheListsOfVideo2GoodQuality)
{
    const ProfileState tv = ProfileStateFor(6);
    const ProfileState good = ProfileStateFor(3);
    EXPECT_EQ(tv.lists.videoSize.entries, good.lists.videoSize.entries);
    EXPECT_EQ(tv.lists.videoBitrate.selectedText(), good.lists.videoBitrate.selectedText());
    EXPECT_EQ(tv.lists.audioBitrate.selectedText(), good.lists.audioBitrate.selectedText());
    EXPECT_EQ(tv.lists.videoCodec.entries, good.lists.videoCodec.entries);
}

} // namespace
