// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/BorderFinder.h"

#include "encoder/Decoder.h"
#include "encoder/FilterChain.h"
#include "encoder/InputMedia.h"
#include "encoder/Orientation.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ridod2e {
namespace {

constexpr int Moments = 12;
// Brighter than this (of 255, on the grey picture) is no longer black, and
// a line with more than a fiftieth of such pixels holds picture.
constexpr int BlackLevel = 32;
constexpr int LitShare = 50;

// Where the lit lines of one picture, or of several, lie: [first, end).
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
};

Box Joined(const Box& a, const Box& b)
{
    if (a.empty() || b.empty())
        return a.empty() ? b : a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// [first, end) of the lit lines among `counts`; empty when none is lit.
std::pair<int, int> LitSpan(const std::vector<int>& counts, int across)
{
    const auto lit = [across](int count) { return count * LitShare > across; };
    const auto first = std::find_if(counts.begin(), counts.end(), lit);
    if (first == counts.end())
        return {0, 0};
    const auto last = std::find_if(counts.rbegin(), counts.rend(), lit);
    return {static_cast<int>(first - counts.begin()), static_cast<int>(counts.rend() - last)};
}

Box LitBox(const AVFrame& grey)
{
    std::vector<int> rows(static_cast<size_t>(grey.height));
    std::vector<int> columns(static_cast<size_t>(grey.width));
    for (int y = 0; y < grey.height; ++y) {
        const uint8_t* line = grey.data[0] + static_cast<ptrdiff_t>(y) * grey.linesize[0];
        for (int x = 0; x < grey.width; ++x)
            if (line[x] > BlackLevel) {
                ++rows[static_cast<size_t>(y)];
                ++columns[static_cast<size_t>(x)];
            }
    }
    const auto [top, bottom] = LitSpan(rows, grey.width);
    const auto [left, right] = LitSpan(columns, grey.height);
    return {left, top, right, bottom};
}

// The kept part of a side: [first, end) made even outwards, or the whole
// side when the borders would take more than a third of it.
std::pair<int, int> KeptSpan(int first, int end, int side)
{
    first -= first % 2;
    end = std::min(side, end + end % 2);
    if (3 * (end - first) < 2 * side)
        return {0, side};
    return {first, end};
}

// The upright, grey picture of the first frame decoded after a seek.
class MomentReader {
public:
    MomentReader(InputMedia& input, int stream)
        : input_(input),
          stream_(stream),
          decoder_(input.context()->streams[stream], input.alternativeReader()),
          steps_(OrientationOf(input.context()->streams[stream]).filters),
          packet_(NewPacket())
    {
        input.keepOnly({stream});
    }

    // The lit part of the picture at the second; empty when none is decoded.
    Box litAt(double seconds)
    {
        decoder_.restart();
        input_.seek(seconds);
        Box box;
        bool seen = false;
        const Decoder::FrameSink look = [&](AVFrame* frame) {
            if (!seen && frame->width > 0 && frame->height > 0)
                box = measure(*frame);
            seen = true;
        };
        while (!seen && input_.read(packet_.get())) {
            if (packet_->stream_index == stream_)
                decoder_.decode(packet_.get(), look);
            av_packet_unref(packet_.get());
        }
        if (!seen)
            decoder_.decode(nullptr, look);
        return box;
    }

private:
    Box measure(const AVFrame& frame)
    {
        FilterChain chain("buffer", PictureSourceArguments(frame, decoder_.timeBase()), "buffersink",
                          (steps_.empty() ? "" : steps_ + ",") + "format=pix_fmts=gray", 0);
        Box box;
        chain.push(const_cast<AVFrame*>(&frame), [&](AVFrame* grey) { box = Joined(box, LitBox(*grey)); });
        return box;
    }

    InputMedia& input_;
    int stream_;
    Decoder decoder_;
    std::string steps_;
    PacketPtr packet_;
};

} // namespace

std::optional<CropArea> FindBorders(const EncodeRequest& request)
{
    InputMedia input(request);
    const int stream = input.videoStream();
    if (stream < 0)
        return std::nullopt;
    const AVStream* source = input.context()->streams[stream];
    const FrameDimensions picture =
        Upright(FrameDimensions {source->codecpar->width, source->codecpar->height}, OrientationOf(source));
    if (picture.width <= 0 || picture.height <= 0)
        return std::nullopt;
    const double length = input.summary().duration.value_or(0);
    MomentReader reader(input, stream);
    Box lit;
    for (int moment = 0; moment < Moments; ++moment)
        lit = Joined(lit, reader.litAt(length * (moment + 1) / (Moments + 1)));
    if (lit.empty())
        return std::nullopt;
    const auto [left, right] = KeptSpan(lit.left, lit.right, picture.width);
    const auto [top, bottom] = KeptSpan(lit.top, lit.bottom, picture.height);
    if (right - left == picture.width && bottom - top == picture.height)
        return std::nullopt;
    return CropArea {right - left, bottom - top, left, top};
}

void MeasureAutoCrop(EncodeRequest& request, Console& console)
{
    if (!request.crop || !request.crop->automatic)
        return;
    const std::optional<CropArea> area = FindBorders(request);
    console.print(CropLine(area));
    if (area)
        request.crop = CropRequest {false, *area};
    else
        request.crop.reset();
}

} // namespace ridod2e
