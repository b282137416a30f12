// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/FilterChain.h"

#include "encoder/Fault.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace ridod2e {
namespace {

struct InOutFree {
    void operator()(AVFilterInOut* entry) const { avfilter_inout_free(&entry); }
};
using InOutPtr = std::unique_ptr<AVFilterInOut, InOutFree>;

} // namespace

std::string PictureSourceArguments(const AVFrame& frame, AVRational timeBase)
{
    const AVRational aspect = frame.sample_aspect_ratio.num > 0 ? frame.sample_aspect_ratio : AVRational {1, 1};
    return "video_size=" + std::to_string(frame.width) + "x" + std::to_string(frame.height)
        + ":pix_fmt=" + std::to_string(frame.format) + ":time_base=" + std::to_string(timeBase.num) + "/"
        + std::to_string(timeBase.den) + ":pixel_aspect=" + std::to_string(aspect.num) + "/"
        + std::to_string(aspect.den);
}

FilterChain::FilterChain(const char* source, const std::string& sourceArguments, const char* sink,
                         const std::string& filters, int frameSize, const AVFrame* palette)
    : graph_(avfilter_graph_alloc()), out_(NewFrame())
{
    if (!graph_)
        throw std::bad_alloc();
    const std::string step = "cannot set up the filters '" + filters + "'";
    Check(avfilter_graph_create_filter(&source_, avfilter_get_by_name(source), "in", sourceArguments.c_str(), nullptr,
                                       graph_.get()),
          step);
    Check(avfilter_graph_create_filter(&sink_, avfilter_get_by_name(sink), "out", nullptr, nullptr, graph_.get()), step);

    InOutPtr outputs(avfilter_inout_alloc());
    InOutPtr inputs(avfilter_inout_alloc());
    if (!outputs || !inputs)
        throw std::bad_alloc();
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source_;
    AVFilterContext* paletteSource = nullptr;
    if (palette) {
        Check(avfilter_graph_create_filter(&paletteSource, avfilter_get_by_name("buffer"), "palette",
                                           PictureSourceArguments(*palette, {1, 1}).c_str(), nullptr, graph_.get()),
              step);
        outputs->next = avfilter_inout_alloc();
        if (!outputs->next)
            throw std::bad_alloc();
        outputs->next->name = av_strdup("palette");
        outputs->next->filter_ctx = paletteSource;
    }
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink_;
    AVFilterInOut* openInputs = inputs.release();
    AVFilterInOut* openOutputs = outputs.release();
    const int parsed = avfilter_graph_parse_ptr(graph_.get(), filters.c_str(), &openInputs, &openOutputs, nullptr);
    avfilter_inout_free(&openInputs);
    avfilter_inout_free(&openOutputs);
    Check(parsed, step);
    Check(avfilter_graph_config(graph_.get(), nullptr), step);
    if (frameSize > 0)
        av_buffersink_set_frame_size(sink_, static_cast<unsigned>(frameSize));
    if (paletteSource) {
        // The one picture serves every picture of the chain, whatever its time.
        FramePtr copy = NewFrame();
        Check(av_frame_ref(copy.get(), palette), step);
        copy->pts = 0;
        Check(av_buffersrc_add_frame(paletteSource, copy.get()), step);
        Check(av_buffersrc_close(paletteSource, 1, 0), step);
    }
}

void FilterChain::push(AVFrame* frame, const Sink& sink)
{
    Check(av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_KEEP_REF), "the filters refused a frame");
    drain(sink);
}

void FilterChain::close(int64_t endPts, const Sink& sink)
{
    Check(av_buffersrc_close(source_, endPts, 0), "the filters refused the end");
    drain(sink);
}

void FilterChain::drain(const Sink& sink)
{
    for (;;) {
        const int received = av_buffersink_get_frame(sink_, out_.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        Check(received, "the filters stopped");
        sink(out_.get());
        av_frame_unref(out_.get());
    }
}

AVRational FilterChain::outputTimeBase() const
{
    return av_buffersink_get_time_base(sink_);
}

} // namespace ridod2e
