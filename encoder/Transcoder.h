// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One conversion: from the opened input to the output file the request
// names, printing the output block and the progress reports. This thread
// reads the input and prints; the routes of the picture and the sound work
// beside it on threads of their own. Throws StopRequested when SIGINT or
// SIGTERM stopped it (see StopSignals.h).
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"

namespace ridod2e {

void Transcode(const EncodeRequest& request, InputMedia& input, Console& console);

} // namespace ridod2e
