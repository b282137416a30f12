// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A conversion that copies the input's picture and sound into another
// container without re-encoding them (-vcodec copy, -acodec copy): fast,
// and nothing is lost. A job either copies every stream it keeps or is
// not a copy job.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"

namespace ridod2e {

// The request names "copy" for the video or the sound.
bool IsCopyJob(const EncodeRequest& request);

// Prints the output block and the progress reports (frame= counts the
// copied pictures). Fails before the output is touched when the container
// cannot hold a stream, or an option would change a stream that is copied.
void CopyStreams(const EncodeRequest& request, InputMedia& input, Console& console);

} // namespace ridod2e
