// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/SharedLists.h"

#include "core/profiles/NewerEntries.h"

const Entries& GenericVideoSizes()
{
    static const Entries entries{
        "Original Video Size", "128 x 96 (SQCIF)", "160 x 120 (QVGA)", "176 x 120", "176 x 144 (QCIF)",
        "192 x 144", "208 x 176", "220 x 176", "240 x 180", "320 x 200", "320 x 240 (VGA)", "352 x 240",
        "352 x 288 (CIF)", "480 x 272", "480 x 360", "480 x 480", "480 x 576", "624 x 352", "640 x 352",
        "640 x 480", "704 x 576 (4CIF)", "720 x 480", "720 x 576"};
    return entries;
}

const Entries& GenericVideoBitrates()
{
    static const Entries entries{"192 Kbps", "200 Kbps", "216 Kbps", "384 Kbps", "512 Kbps", "640 Kbps",
                                 "768 Kbps", "1000 Kbps", "1200 Kbps", "1500 Kbps", "2500 Kbps"};
    return entries;
}

const Entries& GenericFrameRates()
{
    static const Entries entries{"Auto", "14.985 fps", "15.0 fps", "23.975 fps", "25.0 fps", "29.97 fps", "30.0 fps"};
    return entries;
}

const Entries& GenericAudioBitrates()
{
    static const Entries entries{"32 Kbps", "48 Kbps", "56 Kbps", "64 Kbps", "80 Kbps",
                                 "96 Kbps", "112 Kbps", "128 Kbps", "160 Kbps", "192 Kbps"};
    return entries;
}

const Entries& WideAudioBitrates()
{
    static const Entries entries{"32 Kbps", "40 Kbps", "48 Kbps", "64 Kbps", "80 Kbps", "96 Kbps", "112 Kbps",
                                 "128 Kbps", "160 Kbps", "192 Kbps", "224 Kbps", "256 Kbps", "320 Kbps"};
    return entries;
}

const Entries& GenericSamplingRates()
{
    static const Entries entries{"11025 Hz", "12000 Hz", "16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
    return entries;
}

const Entries& WideSamplingRates()
{
    static const Entries entries{"8000  Hz", "16000 Hz", "22050 Hz", "32000 Hz",
                                 "44100 Hz", "48000 Hz", "54000 Hz", "96000 Hz"};
    return entries;
}

const Entries& FourRateSampling()
{
    static const Entries entries{"22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
    return entries;
}

const Entries& OpusBitrates()
{
    static const Entries entries{"32 Kbps", "48 Kbps", "64 Kbps", "96 Kbps", "128 Kbps", "160 Kbps", "192 Kbps", "256 Kbps"};
    return entries;
}

const Entries& OpusSamplingRates()
{
    static const Entries entries{kAutoEntry, "8000 Hz", "12000 Hz", "16000 Hz", "24000 Hz", "48000 Hz"};
    return entries;
}
