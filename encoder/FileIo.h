// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The libraries' byte streams over a file descriptor that someone else owns
// and closes: a writer for the output, and a reader with a position of its
// own for the muxers that read back what they wrote (the MP4 fast start).
// Both can seek and know the file's size.
extern "C" {
#include <libavformat/avio.h>
}

namespace ridod2e {

// Nothing when there is no memory for it.
AVIOContext* NewFileWriter(int descriptor);
AVIOContext* NewFileReader(int descriptor);

// Flushes a writer, then frees the stream; the descriptor stays open.
// Returns the stream's first write error, or 0; sets `io` to nothing.
int FreeFileIo(AVIOContext*& io);

} // namespace ridod2e
