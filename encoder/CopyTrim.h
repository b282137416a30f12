// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the input a copy takes (-start, -end). Packets cannot be cut
// inside, so a copy starts at the key frame of its leading stream (the
// picture, else the sound) at or before the start, and that key frame is
// the output's zero; it ends with the last packet before the end. Without
// them it takes everything from the output's zero on.
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"

#include <optional>

namespace ridod2e {

class CopyTrim {
public:
    // With a start, goes there and reads the input up to the key frame;
    // fails when there is none.
    CopyTrim(const EncodeRequest& request, InputMedia& input, int leadingStream);

    // The input's second that becomes the output's zero.
    double timelineStart() const { return timelineStart_; }

    // Whether the packet goes into the output.
    bool takes(const AVPacket& packet);
    // The leading stream has passed the end: nothing more is taken.
    bool over() const { return over_; }

private:
    InputMedia& input_;
    int leading_;
    bool trimmed_;
    double timelineStart_;
    std::optional<double> end_;  // the input's second, as timelineStart_
    bool started_;
    bool over_ = false;
};

} // namespace ridod2e
