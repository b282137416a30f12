// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much longer a file's pictures and sound really last than its header
// says: an MKV whose Duration element says 3.6 s may hold 5.87 s, and an
// ASF's stated length may leave out sound that follows a gap. The packets
// are read from a second before the stated end to the real end; a clock
// that leaps ahead (more than ten seconds past what was read before it) is
// no content.
extern "C" {
#include <libavformat/avformat.h>
}

// Seconds beyond the stated length; 0 when there are none, or when the
// header states no length. Moves the file's reading position.
double UnstatedSeconds(AVFormatContext* context);
