// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/Fault.h"

extern "C" {
#include <libavutil/error.h>
}

namespace ridod2e {

void Fail(FaultKind kind, const std::string& reason)
{
    throw EncodeFault(kind, reason);
}

void Fail(const std::string& reason)
{
    throw EncodeFault(FaultKind::Other, reason);
}

std::string LibraryReason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void Check(int code, std::string_view step)
{
    if (code < 0)
        Fail(std::string(step) + " (" + LibraryReason(code) + ")");
}

} // namespace ridod2e
