// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws pictures with one palette (libavfilter's paletteuse). That filter
// remembers the palette entry of every colour it has met, and with the
// errors its dithering spreads, a long clip meets up to all 16.7 million of
// them; a fresh filter every few hundred pictures keeps the memory from
// growing with the clip's length. The pictures stay the same: what it
// remembers are only searches it would make again.
#include "encoder/FilterChain.h"

#include <memory>

namespace ridod2e {

class PaletteDrawing {
public:
    explicit PaletteDrawing(const AVFrame& palette) : palette_(palette) {}

    // Draws the picture, its pts in the time base (nullptr: the end), and
    // hands on every picture drawn.
    void draw(AVFrame* picture, AVRational timeBase, const FilterChain::Sink& sink);

private:
    const AVFrame& palette_;
    std::unique_ptr<FilterChain> chain_;
    int drawn_ = 0;
};

} // namespace ridod2e
