// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry lists that several profiles offer.
#include <string>
#include <vector>

using Entries = std::vector<std::string>;

const Entries& GenericVideoSizes();
const Entries& GenericVideoBitrates();
const Entries& GenericFrameRates();
const Entries& GenericAudioBitrates();
const Entries& WideAudioBitrates();
const Entries& GenericSamplingRates();
// Starts with "8000  Hz", two blanks, as the phone profiles spell it.
const Entries& WideSamplingRates();
const Entries& FourRateSampling();
// Opus, in the WebM and the Opus formats: its bitrates and the rates it
// codes, after "Auto".
const Entries& OpusBitrates();
const Entries& OpusSamplingRates();
