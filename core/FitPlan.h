// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of a fit to a size: from the limit, the source's length and
// picture and the sound's bitrate, the video bitrate that fills the limit
// with a margin for the container and the rate control. When even the
// lowest sensible video bitrate is too much, the sound drops to a lower
// rate, then the picture to a smaller box of the size list; when that is
// still too much the plan says the least size the clip could fit in.
#include "core/FileRow.h"

#include <string>

struct FitSource {
    double seconds = 0;         // 0: unknown
    int width = 0;              // the picture as shown; 0: unknown
    int height = 0;
    double framesPerSecond = 0; // 0: unknown
};

struct FitPlan {
    bool fits = false;
    long long neededBytes = 0;  // when it does not fit: the least size the clip fits in (0: length unknown)
    int videoKbps = 0;
    int audioKbps = 0;          // 0: no sound
    std::string videoSize;      // the size entry to send: the chosen one, or a smaller box
    long long expectedBytes = 0; // what the output should come to
    bool fills = false;          // the bitrate is the limit's, not held lower for a short or simple clip
};

// The row's Duration, Video Size and FrameRate cells as numbers.
FitSource FitSourceOf(const FileRow& row);

// `audioKbps` 0: the job keeps no sound. `videoSize`: the size entry chosen.
FitPlan PlanFit(const FitSource& source, long long limitBytes, int audioKbps, const std::string& videoSize);

// The video bitrate of another attempt after one that came to
// `measuredBytes`: lowered by what it went over the limit, or raised by
// what it fell short of it.
int RetargetedVideoKbps(int videoKbps, double seconds, long long measuredBytes, long long limitBytes);

// The video bitrate between an attempt that fell short (`lowKbps` made
// `lowBytes`) and one that went over, where the line through the two meets
// the aim: for a rate control that does not follow its bitrate in step.
int BetweenKbps(int lowKbps, long long lowBytes, int highKbps, long long highBytes, long long limitBytes);

// Whether a kept output of `measuredBytes` falls short of the least share
// of the limit a fit promises, by a miss of the rate control that a higher
// bitrate mends; far below it, the picture holds no more to spend bits on
// (still pictures) and a higher bitrate would change nothing.
bool WorthRaising(long long measuredBytes, long long limitBytes);

// What (video + sound) bitrates come to over `seconds`, the container included.
long long BytesAt(int totalKbps, double seconds);

// "25 MB", "25.8 MB", "150 KB": bytes in units of 1,000.
std::string SizeText(long long bytes);

// "~24 MB": the size a job is expected to make.
std::string ExpectedSizeText(long long bytes);

// "cannot fit 2:03:00 in 8 MB: at least 41 MB is needed".
std::string FitFailureText(double seconds, long long limitBytes, long long neededBytes);

// "25.8 MB over 25 MB", with enough decimals that the two differ.
std::string OverLimitText(long long measuredBytes, long long limitBytes);

// "25.8 MB over 25 MB: again at 1,830 kb/s", or for an output that fell
// short, "19.2 MB under 90 % of 25 MB: again at 2,210 kb/s".
std::string OvershootText(long long measuredBytes, long long limitBytes, int nextVideoKbps);
