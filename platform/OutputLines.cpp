// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputLines.h"

std::vector<std::string> OutputLines::feed(std::string_view chunk)
{
    std::vector<std::string> lines;
    for (const char c : chunk) {
        const bool lineFeedAfterReturn = c == '\n' && afterCarriageReturn_;
        afterCarriageReturn_ = c == '\r';
        if (lineFeedAfterReturn)
            continue;
        if (c == '\n' || c == '\r') {
            lines.push_back(std::move(partial_));
            partial_.clear();
        } else {
            partial_.push_back(c);
        }
    }
    return lines;
}

std::optional<std::string> OutputLines::finish()
{
    afterCarriageReturn_ = false;
    if (partial_.empty())
        return std::nullopt;
    std::string last = std::move(partial_);
    partial_.clear();
    return last;
}
