#pragma once
// Reads the encoder's arguments into an EncodeRequest. Values come as the
// application's lists show them: "2 (stereo)" is 2 channels, "8000 " is
// 8000 Hz, bitrates are in kbit/s, "29.97" is the NTSC rate 30000/1001. An
// empty value counts as not given. Anything else it cannot read fails with
// a reason.
#include "encoder/EncodeRequest.h"

#include <optional>
#include <string>
#include <vector>

namespace ridod2e {

// The prefix of an input token that asks for the alternative reader.
inline constexpr const char* AlternativeReaderPrefix = "DS:\\\\";

EncodeRequest ParseCommandLine(const std::vector<std::string>& arguments);

// The number at the start of a text ("2 (stereo)" gives 2, "8000 " gives
// 8000); nothing for a blank text; fails for a text without a leading number.
std::optional<double> LeadingNumber(const std::string& option, const std::string& text);

// A frame rate as the lists write it; the NTSC rates 14.985, 23.975/23.976,
// 29.97 and 59.94 become exact fractions of 1001.
AVRational FrameRateFromText(double framesPerSecond);

} // namespace ridod2e
