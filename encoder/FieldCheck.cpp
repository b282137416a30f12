// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/FieldCheck.h"

#include "encoder/Fault.h"

namespace ridod2e {
namespace {

// Pictures the detector looks at: a second of video, enough for its
// judgement to settle on moving pictures.
constexpr int PicturesToLookAt = 24;
// The detector's own threshold takes the fine detail of some progressive
// pictures (test patterns) for combing; real interlacing in motion combs
// far more than this.
constexpr const char* Detector = "idet=intl_thres=1.5";

} // namespace

FieldCheck::FieldCheck(const AVCodecParameters& source, std::function<void(const std::string&)> decided)
    : decided_(std::move(decided))
{
    switch (source.field_order) {
    case AV_FIELD_PROGRESSIVE: decide({}, {}); break;
    case AV_FIELD_TT:
    case AV_FIELD_BT: decide(Deinterlacing(true), {}); break;
    case AV_FIELD_BB:
    case AV_FIELD_TB: decide(Deinterlacing(false), {}); break;
    default: break;
    }
}

std::string FieldCheck::Deinterlacing(bool topFieldFirst)
{
    return std::string("bwdif=mode=send_frame:parity=") + (topFieldFirst ? "tff" : "bff") + ":deint=all";
}

void FieldCheck::take(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& sink)
{
    if (settled_) {
        if (frame)
            sink(frame);
        return;
    }
    if (!frame) {
        settleFromLooks(sink);
        return;
    }
    FramePtr copy = NewFrame();
    Check(av_frame_ref(copy.get(), frame), "cannot keep a picture");
    look(copy.get(), timeBase);
    held_.push_back(std::move(copy));
    if (static_cast<int>(held_.size()) >= PicturesToLookAt)
        settleFromLooks(sink);
}

void FieldCheck::look(AVFrame* frame, AVRational timeBase)
{
    if (!detector_)
        detector_ = std::make_unique<FilterChain>("buffer", PictureSourceArguments(*frame, timeBase), "buffersink",
                                                  Detector, 0);
    try {
        detector_->push(frame, [this](AVFrame* judged) { count(judged); });
    } catch (const std::exception&) {
        // A picture of another size or format: it is held, not judged.
    }
}

// The detector marks each picture it has judged as interlaced or not.
void FieldCheck::count(const AVFrame* judged)
{
    ++looked_;
    if (judged->interlaced_frame)
        ++(judged->top_field_first ? topFirst_ : bottomFirst_);
}

void FieldCheck::settleFromLooks(const FilterChain::Sink& sink)
{
    if (detector_) {
        detector_->push(nullptr, [this](AVFrame* judged) { count(judged); });
        detector_.reset();
    }
    const int interlaced = topFirst_ + bottomFirst_;
    // Most pictures must look interlaced: a few judged so in a moving
    // progressive clip do not make it one.
    const bool isInterlaced = looked_ > 0 && interlaced * 3 > looked_ * 2;
    decide(isInterlaced ? Deinterlacing(topFirst_ >= bottomFirst_) : std::string(), sink);
}

void FieldCheck::decide(const std::string& filters, const FilterChain::Sink& sink)
{
    settled_ = true;
    decided_(filters);
    while (!held_.empty()) {
        FramePtr frame = std::move(held_.front());
        held_.pop_front();
        sink(frame.get());
    }
}

} // namespace ridod2e
