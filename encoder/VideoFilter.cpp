// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/VideoFilter.h"

#include "encoder/Fault.h"

#include <algorithm>

extern "C" {
#include <libavutil/mathematics.h>
#include <libavutil/pixdesc.h>
}

namespace ridod2e {
namespace {

// The pictures are cut to the output's rate before either pass, so that
// both see the same pictures. The palette is made from colours of 6 bits a
// channel (the middle of each step): a clip's millions of colours would make
// it take as long as the whole clip again, in one call that reports nothing,
// for no colour one can see.
std::string RateSteps(AVRational frameRate)
{
    if (frameRate.num > 0 && frameRate.den > 0)
        return ",fps=" + std::to_string(frameRate.num) + "/" + std::to_string(frameRate.den);
    return {};
}

// The drawing takes the pictures in its own format: scaled into it
// directly, as in the gathering pass, rather than converted after.
std::string DrawingSteps()
{
    return std::string(",format=pix_fmts=") + av_get_pix_fmt_name(AV_PIX_FMT_RGB32);
}

std::string GatherPaletteSteps()
{
    const std::string step = "'bitand(val,252)+2'";
    return ",lutrgb=r=" + step + ":g=" + step + ":b=" + step + ",palettegen";
}

// Hands the chain's pictures on, drawn with the palette where there is
// one, with their pts back in the input's time base. The end (no frame)
// closes the chain where the last picture ends.
void Push(FilterChain& chain, PaletteDrawing* drawing, AVFrame* frame, int64_t end, AVRational timeBase,
          const FilterChain::Sink& sink)
{
    const AVRational chainTimeBase = chain.outputTimeBase();
    const FilterChain::Sink back = [&](AVFrame* picture) {
        if (picture->pts != AV_NOPTS_VALUE)
            picture->pts = av_rescale_q(picture->pts, chainTimeBase, timeBase);
        sink(picture);
    };
    const FilterChain::Sink drawn = [&](AVFrame* picture) { drawing->draw(picture, chainTimeBase, back); };
    const FilterChain::Sink& out = drawing ? drawn : back;
    if (!frame && end != AV_NOPTS_VALUE)
        chain.close(end, out);
    else
        chain.push(frame, out);
    if (!frame && drawing)
        drawing->draw(nullptr, chainTimeBase, back);
}

} // namespace

bool VideoFilter::Shape::operator==(const Shape& other) const
{
    return width == other.width && height == other.height && format == other.format
        && av_cmp_q(aspect, other.aspect) == 0;
}

VideoFilter::VideoFilter(const Target& target)
    : target_(target), pass_(target.format == AV_PIX_FMT_PAL8 ? Pass::GatherPalette : Pass::Single)
{
}

std::string VideoFilter::description() const
{
    const FrameGeometry& g = target_.geometry;
    std::string filters;
    for (const std::string* steps : {&deinterlacing_, &target_.sourceSteps})
        if (!steps->empty())
            filters += *steps + ",";
    filters += "scale=" + std::to_string(g.pictureWidth) + ":" + std::to_string(g.pictureHeight)
        + ":flags=bicubic";
    if (g.hasBars())
        filters += ",pad=" + std::to_string(g.frameWidth()) + ":" + std::to_string(g.frameHeight()) + ":"
            + std::to_string(g.bars.left) + ":" + std::to_string(g.bars.top) + ":black";
    if (pass_ != Pass::Single)
        return filters + ",setsar=1" + RateSteps(target_.frameRate)
            + (pass_ == Pass::GatherPalette ? GatherPaletteSteps() : DrawingSteps());
    filters += std::string(",format=pix_fmts=") + av_get_pix_fmt_name(target_.format);
    const AVRational aspect = target_.pixelAspect;
    if (aspect.num > 0)
        filters += ",setsar=" + std::to_string(aspect.num) + "/" + std::to_string(aspect.den);
    return filters;
}

void VideoFilter::restart()
{
    chain_.reset();
    drawing_.reset();
    shape_ = {};
    end_ = AV_NOPTS_VALUE;
    chainsMade_ = 0;
}

void VideoFilter::drawWithGatheredPalette()
{
    restart();
    pass_ = Pass::DrawWithPalette;
}

void VideoFilter::makeChain(const AVFrame& picture, AVRational timeBase)
{
    drawing_.reset();
    if (pass_ == Pass::DrawWithPalette) {
        if (palettes_.empty())
            Fail("the pictures came back without the palette gathered for them");
        drawing_ = std::make_unique<PaletteDrawing>(*palettes_[std::min(chainsMade_, palettes_.size() - 1)]);
    }
    ++chainsMade_;
    chain_ = std::make_unique<FilterChain>("buffer", PictureSourceArguments(picture, timeBase), "buffersink",
                                           description(), 0);
}

void VideoFilter::keepPalette(const AVFrame* palette)
{
    FramePtr kept = NewFrame();
    Check(av_frame_ref(kept.get(), palette), "cannot keep the palette");
    palettes_.push_back(std::move(kept));
}

void VideoFilter::filter(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& pictures)
{
    const FilterChain::Sink keepPalette = [this](AVFrame* palette) { this->keepPalette(palette); };
    // Cut to the rate, each picture lasts one slot of it, not its source's time.
    const FilterChain::Sink slotted = [&](AVFrame* picture) {
        picture->pkt_duration = av_rescale_q(1, av_inv_q(target_.frameRate), timeBase);
        pictures(picture);
    };
    const FilterChain::Sink& sink = pass_ == Pass::GatherPalette ? keepPalette
        : pass_ == Pass::DrawWithPalette                         ? slotted
                                                                 : pictures;
    if (frame && (frame->width <= 0 || frame->height <= 0 || frame->format < 0))
        return;
    if (frame) {
        const Shape shape {frame->width, frame->height, frame->format, frame->sample_aspect_ratio};
        if (!chain_ || !(shape == shape_)) {
            if (chain_)
                Push(*chain_, drawing_.get(), nullptr, end_, timeBase, sink);
            makeChain(*frame, timeBase);
            shape_ = shape;
        }
    }
    if (frame && frame->pts != AV_NOPTS_VALUE) {
        int64_t duration = frame->pkt_duration;
        const bool first = end_ == AV_NOPTS_VALUE;
        // The first picture cut to the rate lasts a slot at least, so that
        // a source of one picture still gives that picture.
        if (target_.frameRate.num > 0 && (duration <= 0 || (first && pass_ != Pass::Single)))
            duration = std::max(duration, av_rescale_q_rnd(1, av_inv_q(target_.frameRate), timeBase, AV_ROUND_UP));
        end_ = std::max(end_ == AV_NOPTS_VALUE ? frame->pts : end_, frame->pts + std::max<int64_t>(duration, 1));
    }
    if (chain_)
        Push(*chain_, drawing_.get(), frame, end_, timeBase, sink);
}

} // namespace ridod2e
