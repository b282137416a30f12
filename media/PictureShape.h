// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a player shows a video stream's pictures: turned by the stream's
// display matrix (a phone's upright clip is stored on its side), with its
// pixels' shape, and whether the stream says its pictures are interlaced.
struct AVStream;

// 0, 90, 180 or 270: the quarter turn clockwise a player gives the stored
// picture; 0 without a display matrix or for any other angle.
int ClockwiseTurn(const AVStream* stream);

// The stream's field order says its pictures are interlaced.
bool IsInterlaced(const AVStream* stream);

// The picture's width over its height as a player shows it: pixel shape and
// turn counted; 0 when the stream gives no size.
double ShownAspect(const AVStream* stream);
