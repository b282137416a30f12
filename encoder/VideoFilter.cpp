#include "encoder/VideoFilter.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace ridod2e {

bool VideoFilter::Shape::operator==(const Shape& other) const
{
    return width == other.width && height == other.height && format == other.format
        && av_cmp_q(aspect, other.aspect) == 0;
}

VideoFilter::VideoFilter(const Target& target) : target_(target) {}

std::string VideoFilter::description() const
{
    const FrameGeometry& g = target_.geometry;
    std::string filters = "scale=" + std::to_string(g.pictureWidth) + ":" + std::to_string(g.pictureHeight)
        + ":flags=bicubic";
    if (g.hasBars())
        filters += ",pad=" + std::to_string(g.frameWidth()) + ":" + std::to_string(g.frameHeight()) + ":"
            + std::to_string(g.bars.left) + ":" + std::to_string(g.bars.top) + ":black";
    filters += std::string(",format=pix_fmts=") + av_get_pix_fmt_name(target_.format);
    const AVRational aspect = target_.pixelAspect;
    if (aspect.num > 0)
        filters += ",setsar=" + std::to_string(aspect.num) + "/" + std::to_string(aspect.den);
    return filters;
}

void VideoFilter::restart()
{
    chain_.reset();
    shape_ = {};
}

void VideoFilter::filter(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& sink)
{
    if (frame && (frame->width <= 0 || frame->height <= 0 || frame->format < 0))
        return;
    if (frame) {
        const Shape shape {frame->width, frame->height, frame->format, frame->sample_aspect_ratio};
        if (!chain_ || !(shape == shape_)) {
            if (chain_)
                chain_->push(nullptr, sink);
            const AVRational aspect = shape.aspect.num > 0 ? shape.aspect : AVRational {1, 1};
            const std::string source = "video_size=" + std::to_string(shape.width) + "x" + std::to_string(shape.height)
                + ":pix_fmt=" + std::to_string(shape.format) + ":time_base=" + std::to_string(timeBase.num) + "/"
                + std::to_string(timeBase.den) + ":pixel_aspect=" + std::to_string(aspect.num) + "/"
                + std::to_string(aspect.den);
            chain_ = std::make_unique<FilterChain>("buffer", source, "buffersink", description(), 0);
            shape_ = shape;
        }
    }
    if (chain_)
        chain_->push(frame, sink);
}

} // namespace ridod2e
