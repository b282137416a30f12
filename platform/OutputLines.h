// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts the encoder's output into whole lines across reads: the unfinished
// last line of a chunk is kept until the rest of it arrives. A line ends at
// a line feed, a carriage return, or the two together.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class OutputLines {
public:
    // The lines that this chunk completes, in order.
    std::vector<std::string> feed(std::string_view chunk);

    // At the end of the output: the unfinished last line, if any.
    std::optional<std::string> finish();

    // The unfinished last line as far as it has arrived.
    const std::string& partial() const { return partial_; }

private:
    std::string partial_;
    bool afterCarriageReturn_ = false;
};
