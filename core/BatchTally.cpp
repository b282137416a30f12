// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BatchTally.h"

#include "core/Texts.h"

std::string BatchTally::closingMessage() const
{
    if (incomplete == 0 && failed == 0)
        return texts::kAllJobsDone;
    std::string text = std::to_string(done) + (done == 1 ? texts::kFileConverted : texts::kFilesConverted);
    if (incomplete > 0)
        text += ", " + std::to_string(incomplete) + texts::kIncompleteCount;
    if (failed > 0)
        text += ", " + std::to_string(failed) + texts::kFailedCount;
    return text + texts::kSeeTheLog;
}
