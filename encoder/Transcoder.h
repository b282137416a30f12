#pragma once
// One conversion: from the opened input to the output file the request
// names, printing the output block and the progress reports.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"

namespace ridod2e {

void Transcode(const EncodeRequest& request, InputMedia& input, Console& console);

} // namespace ridod2e
