// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The option set of each format. A profile fills the lists its format
// offers (and selects the channel or letterbox where it says so); the format
// switch has already withdrawn the lists the format does not offer. Lists a
// profile does not name keep their entries and selection.
#include "core/profiles/ProfileState.h"

// The three values in which the iPod formats differ.
struct IPodParameters {
    const char* frameSize;
    const char* videoBitrate;
    const char* audioBitrate;
};

void ApplyIPodProfile(const IPodParameters& parameters, ProfileState& state);
void ApplyZuneMpeg4Profile(ProfileState& state);
void ApplyZuneAvcProfile(ProfileState& state);
void ApplyZuneWmvProfile(ProfileState& state);
void ApplyPspProfile(ProfileState& state);
void ApplyPspAvcProfile(ProfileState& state);
void ApplyPs3Video480Profile(ProfileState& state);
void ApplyPs3Video720Profile(ProfileState& state);
void ApplyPs3Video1080Profile(ProfileState& state);
void Apply3gpProfile(ProfileState& state);
void Apply3g2Profile(ProfileState& state);
void ApplyAacProfile(ProfileState& state);
void ApplyM4aProfile(ProfileState& state);
void ApplyMp3Profile(ProfileState& state);
void ApplyWmaProfile(ProfileState& state);
void ApplyAviProfile(ProfileState& state);
void ApplyMpegProfile(ProfileState& state);
void ApplyMovProfile(ProfileState& state);
void ApplyWmvProfile(ProfileState& state);
void ApplyMp4VideoProfile(ProfileState& state);
void ApplyWebmProfile(ProfileState& state);
void ApplyGifProfile(ProfileState& state);
void ApplyFlacProfile(ProfileState& state);
void ApplyOpusProfile(ProfileState& state);
void ApplyOggProfile(ProfileState& state);
void ApplyWavProfile(ProfileState& state);
