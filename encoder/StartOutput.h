#pragma once
// The steps that begin every conversion's output once its streams are added:
// the input reads only the kept streams, the subtitles left out are noted,
// the chapters are taken over (-chapters), the file's header is written, the
// output block is printed, and the input goes to -ss.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"

namespace ridod2e {

// video, audio: the input streams kept (-1: none of that type). Returns
// whether the input went to a later start.
bool StartOutput(const EncodeRequest& request, InputMedia& input, int video, int audio, OutputMedia& output,
                 Console& console);

} // namespace ridod2e
