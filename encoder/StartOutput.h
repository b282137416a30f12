// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps that begin every conversion's output once its streams are added:
// the input reads only the kept streams, the streams left out are noted,
// the chapters are taken over (-chapters), the file's header is written, the
// output block is printed, and the input goes to -start and -ss.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"
#include "encoder/OutputMedia.h"

#include <string>
#include <vector>

namespace ridod2e {

// kept: the input streams the output takes; notes: the lines that say what
// is left out. Returns whether the input went to a later start.
bool StartOutput(const EncodeRequest& request, InputMedia& input, const std::vector<int>& kept,
                 const std::vector<std::string>& notes, OutputMedia& output, Console& console);

} // namespace ridod2e
