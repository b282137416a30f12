// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two-pass rate control on each encoder's own statistics. x264 and x265
// write and read their statistics files themselves; VP9 hands its
// statistics over at the end of pass 1, and they are written to and read
// back from the file here. Every file's name starts with -passlogfile.
#include "encoder/EncodeRequest.h"
#include "encoder/Libav.h"

#include <string>

namespace ridod2e {

struct PassStatistics {
    std::string read;    // pass 2 of VP9: the statistics the encoder reads while it lives
    std::string writeTo; // pass 1 of VP9: where its statistics go once it has ended
};

// Sets the encoder up for the request's pass before it opens; nothing
// without -pass. Fails for a codec without two-pass statistics, and for a
// second pass whose statistics cannot be read.
PassStatistics SetUpPass(AVCodecContext& context, const AVCodec* codec, const EncodeRequest& request,
                         Dictionary& options);

// Writes what a first pass of VP9 handed over.
void WriteStatistics(const std::string& path, const char* statistics);

} // namespace ridod2e
