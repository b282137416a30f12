// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FormatSwitch.h"

#include <gtest/gtest.h>

namespace {

ProfileState SwitchedTo(ProfileState state, int format)
{
    state.formatIndex = format;
    RunFormatSwitch(state);
    return state;
}

TEST(FormatSwitch, StartsWithFormatZeroApplied)
{
    const ProfileState state = StartedProfileState();
    EXPECT_EQ(state.formatIndex, 0);
    EXPECT_EQ(state.selectedFormatIndex, 0);
    EXPECT_EQ(state.lists.videoBitrate.selectedText(), "1500 Kbps");
    EXPECT_EQ(state.lists.letterBox.selectedText(), "LetterBox");
    EXPECT_EQ(state.lists.muteAudio.selectedText(), "False");
}

TEST(FormatSwitch, SeparatorBringsBackThePreviousFormatAndKeepsTheUsersChoices)
{
    for (int separator : {7, 11, 17, 20, 25, 30, 36}) {
        ProfileState state = SwitchedTo(StartedProfileState(), 13);
        state.lists.videoBitrate.select("768 Kbps");
        state.lists.audioChannel.select("Mono");
        state.lists.muteAudio.select("True");
        const ProfileState before = state;
        state.formatIndex = separator;
        EXPECT_EQ(RunFormatSwitch(state), SwitchOutcome::SeparatorRestored);
        EXPECT_EQ(state.formatIndex, 13) << separator;
        EXPECT_EQ(state.selectedFormatIndex, 13);
        EXPECT_EQ(state.profileFamily, "psp");
        EXPECT_EQ(state.lists.videoBitrate.selectedText(), "768 Kbps");
        EXPECT_EQ(state.lists.audioChannel.selectedText(), "Mono");
        EXPECT_EQ(state.lists.muteAudio.selectedText(), "True");
        EXPECT_EQ(state.lists.samplingRate.entries, before.lists.samplingRate.entries);
    }
}

TEST(FormatSwitch, ASeparatorAtStartUpBringsBackFormatZero)
{
    const ProfileState state = ProfileStateFor(7);
    EXPECT_EQ(state.formatIndex, 0);
    EXPECT_EQ(state.lists.videoBitrate.selectedText(), "1500 Kbps");
}

TEST(FormatSwitch, LeavingAPspFormatClearsTheFamily)
{
    EXPECT_EQ(ProfileStateFor(16).profileFamily, "psp");
    EXPECT_EQ(SwitchedTo(ProfileStateFor(16), 26).profileFamily, "");
}

TEST(FormatSwitch, AVideoFormatRefillsTheListsTheAudioProfileEmptied)
{
    const ProfileState mp3 = ProfileStateFor(23);
    EXPECT_TRUE(mp3.lists.videoCodec.entries.empty());
    EXPECT_TRUE(mp3.lists.videoFramerate.entries.empty());
    const ProfileState avi = SwitchedTo(mp3, 26);
    EXPECT_EQ(avi.lists.videoFramerate.selectedText(), "29.97 fps");
    EXPECT_EQ(avi.lists.videoSize.selectedText(), "Original Video Size");
    EXPECT_EQ(avi.lists.videoCodec.entries.size(), 3u);
}

TEST(FormatSwitch, PhoneFormatSelectsMonoAndLetterboxWhichTheNextFormatTreatsDifferently)
{
    ProfileState state = StartedProfileState();
    state.lists.letterBox.select("None");
    state = SwitchedTo(state, 18);
    EXPECT_EQ(state.lists.audioChannel.selectedText(), "Mono");
    EXPECT_EQ(state.lists.letterBox.selectedText(), "LetterBox");
    const ProfileState avi = SwitchedTo(state, 26);
    EXPECT_EQ(avi.lists.audioChannel.selectedText(), "Stereo");
    EXPECT_EQ(avi.lists.letterBox.selectedText(), "LetterBox");
    const ProfileState aac = SwitchedTo(state, 21);
    EXPECT_EQ(aac.lists.audioChannel.selectedText(), "Stereo");
    EXPECT_EQ(aac.lists.letterBox.selectedText(), "LetterBox");
    EXPECT_EQ(SwitchedTo(state, 16).lists.audioChannel.selectedText(), "Stereo");
}

TEST(FormatSwitch, NoSelectionAppliesNoProfileButRemembersTheIndex)
{
    ProfileState state = ProfileStateFor(12);
    state.lists.muteAudio.select("True");
    state.formatIndex = -1;
    EXPECT_EQ(RunFormatSwitch(state), SwitchOutcome::NoFormat);
    EXPECT_EQ(state.selectedFormatIndex, -1);
    EXPECT_EQ(state.profileFamily, "");
    EXPECT_EQ(state.lists.muteAudio.selectedText(), "False");
    EXPECT_EQ(state.lists.samplingRate.selectedText(), "24000 Hz");
}

TEST(FormatSwitch, UntouchedListsKeepTheirEntriesAndSelection)
{
    // The fixed lists are never refilled; only their selection changes.
    ProfileState state = ProfileStateFor(23);
    state.lists.letterBox.select("None");
    state = SwitchedTo(state, 24);
    EXPECT_EQ(state.lists.letterBox.selectedText(), "None");
    EXPECT_TRUE(state.lists.videoSize.entries.empty());
}

} // namespace
