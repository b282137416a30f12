// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the source's tags and pictures into a finished sound output with
// TagLib, in each container's own form: ID3v2.4 with APIC frames in MP3
// (and ID3v1 where the muxer wrote one), MP4 items with covr in M4A and
// MP4, Vorbis comments with PICTURE blocks in FLAC, Vorbis comments with
// METADATA_BLOCK_PICTURE in Ogg Vorbis and Opus, ASF attributes with
// WM/Picture in WMA, and a RIFF INFO list in WAV (which holds no picture).
// An MP4 output also gets the iTunSMPB item that gapless players read.
// Other containers keep what the muxer wrote.
#include "encoder/MediaTags.h"

#include <string>

namespace ridod2e {

// Whether the container written by the muxer of that name takes the tags.
bool TakesTags(const std::string& muxerName);

// Writes into the file open on `descriptor`, which stays open; fails when
// TagLib cannot read or save it. Without tags or pictures a file keeps what
// its muxer wrote, but for MP4's gapless figures.
void WriteTags(int descriptor, const std::string& muxerName, const MediaTags& tags);

} // namespace ridod2e
