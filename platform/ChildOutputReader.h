// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a child's console output until a verdict: every chunk goes to
// `onChunk`, which returns false once it has heard enough. Before each wait
// for output (and at least every `waitMs`, -1 for no limit) `keepGoing` is
// asked whether to go on; it may also keep a window alive. The reading ends
// when the output ends (every writer closed the pipe), at a verdict, or when
// `keepGoing` says no. The child is neither killed nor waited for.
#include "platform/ChildProcess.h"

#include <functional>
#include <string_view>

namespace platform {

enum class ReadEnd { OutputEnded, Verdict, Interrupted };

ReadEnd ReadUntilVerdict(ChildProcess& child, int waitMs, const std::function<bool()>& keepGoing,
                         const std::function<bool(std::string_view chunk)>& onChunk);

} // namespace platform
