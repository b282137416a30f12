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
    // With a start, finds the key frame, reading the input from a seek
    // there; fails when there is none.
    CopyTrim(const EncodeRequest& request, InputMedia& input, int leadingStream);

    // Once the output has begun: the input goes back to where the key frame
    // was found.
    void goToStart();

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
    std::optional<double> from_; // where the reading found the key frame
    bool started_;
    bool over_ = false;
};

} // namespace ridod2e
