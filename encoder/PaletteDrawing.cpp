// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/PaletteDrawing.h"

namespace ridod2e {
namespace {

// Few enough that one filter's memory stays small, enough that starting it
// afresh costs little.
constexpr int PicturesPerFilter = 100;

} // namespace

void PaletteDrawing::draw(AVFrame* picture, AVRational timeBase, const FilterChain::Sink& sink)
{
    if (!picture) {
        if (chain_)
            chain_->push(nullptr, sink);
        chain_.reset();
        drawn_ = 0;
        return;
    }
    if (!chain_)
        chain_ = std::make_unique<FilterChain>("buffer", PictureSourceArguments(*picture, timeBase), "buffersink",
                                               "[in][palette]paletteuse", 0, &palette_);
    chain_->push(picture, sink);
    if (++drawn_ == PicturesPerFilter)
        draw(nullptr, timeBase, sink);
}

} // namespace ridod2e
