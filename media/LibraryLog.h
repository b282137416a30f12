// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application shows no library diagnostics: a file it cannot read is
// reported in its own words.
extern "C" {
#include <libavutil/log.h>
}

inline void QuietLibraryLog()
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)quiet;
}
