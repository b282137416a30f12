// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the encoder's arguments into an EncodeRequest. Values come as the
// application's lists show them: "2 (stereo)" is 2 channels, "8000 " is
// 8000 Hz, bitrates are in kbit/s, "29.97" is the NTSC rate 30000/1001. An
// empty value counts as not given. Anything else it cannot read fails with
// a reason.
#include "encoder/EncodeRequest.h"

#include <string>
#include <vector>

namespace ridod2e {

EncodeRequest ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace ridod2e
