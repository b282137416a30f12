// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a video stream's pictures are interlaced, and so whether they are
// deinterlaced (bwdif, one picture for each picture, so the frame rate
// stays) before anything else is done to them. The stream's field order
// says so where it is known; where it is not, an interlace detector looks
// at the first pictures, which are held until it has seen enough of them.
#include "encoder/FilterChain.h"
#include "encoder/Libav.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ridod2e {

class FieldCheck {
public:
    // decided: called once, before the first picture is handed on, with the
    // deinterlacing filter (empty for progressive pictures).
    FieldCheck(const AVCodecParameters& source, std::function<void(const std::string&)> decided);

    // Hands the picture on once the question is settled; nullptr: the end
    // of the pictures, which settles it with what was seen.
    void take(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& sink);

    // The deinterlacing filter for a field order: top or bottom field first.
    static std::string Deinterlacing(bool topFieldFirst);

private:
    void decide(const std::string& filters, const FilterChain::Sink& sink);
    void look(AVFrame* frame, AVRational timeBase);
    void count(const AVFrame* judged);
    void settleFromLooks(const FilterChain::Sink& sink);

    std::function<void(const std::string&)> decided_;
    bool settled_ = false;
    std::deque<FramePtr> held_;
    std::unique_ptr<FilterChain> detector_;
    int looked_ = 0;
    int topFirst_ = 0;
    int bottomFirst_ = 0;
};

} // namespace ridod2e
