// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChildOutputReader.h"

namespace platform {

ReadEnd ReadUntilVerdict(ChildProcess& child, int waitMs, const std::function<bool()>& keepGoing,
                         const std::function<bool(std::string_view chunk)>& onChunk)
{
    while (true) {
        if (!keepGoing())
            return ReadEnd::Interrupted;
        std::string chunk;
        switch (child.read(chunk, waitMs)) {
        case ChildProcess::ReadStatus::Timeout:
            continue;
        case ChildProcess::ReadStatus::Data:
            if (!onChunk(chunk))
                return ReadEnd::Verdict;
            continue;
        case ChildProcess::ReadStatus::End:
            return ReadEnd::OutputEnded;
        }
    }
}

} // namespace platform
