// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcomes of the jobs of one conversion run, and the closing message
// they call for.
#include <string>

struct BatchTally {
    int done = 0;
    int incomplete = 0;
    int failed = 0;

    // "All Conversion Jobs Done!" when every job is done, else the counts:
    // "4 files converted, 2 failed. See the conversion log."
    std::string closingMessage() const;
};
