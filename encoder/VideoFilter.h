// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns decoded pictures into the encoder's: deinterlaced, turned upright
// and their colour mapped where the source asks for it, scaled to the planned picture
// size, bars added, converted to the encoder's pixel format, their pixel
// shape set. A change of size or format in the middle of the input rebuilds
// the filters; the output keeps its size. Palette pictures (GIF) share one
// palette made from the whole clip: a first pass over the input only gathers
// it, and a second draws the pictures with it, so that no picture is held.
#include "encoder/FilterChain.h"
#include "encoder/FrameGeometry.h"
#include "encoder/PaletteDrawing.h"

#include <memory>
#include <vector>

namespace ridod2e {

class VideoFilter {
public:
    struct Target {
        FrameGeometry geometry;
        AVPixelFormat format = AV_PIX_FMT_YUV420P;
        AVRational pixelAspect {0, 1};  // {0, 1}: the pictures keep their own
        AVRational frameRate {0, 1};  // the rate a palette picture (GIF) is reduced to first
        std::string sourceSteps;      // before scaling: turning upright, colour mapping; empty: none
    };

    explicit VideoFilter(const Target& target);

    // Filters one picture with its pts in the time base (nullptr: the end);
    // pictures come out with their pts in the same time base.
    void filter(AVFrame* frame, AVRational timeBase, const FilterChain::Sink& sink);

    // After the end: ready for pictures again.
    void restart();

    // Palette pictures: the pass that only gathers the palette; nothing
    // comes out of it.
    bool gathersPalette() const { return pass_ == Pass::GatherPalette; }
    bool gatheredPalette() const { return gathersPalette() && !palettes_.empty(); }
    // After the gathering pass's end: the pictures that come again are drawn
    // with the palette. A change of shape in the middle of the input gave each
    // part its own palette, and each part gets it back.
    void drawWithGatheredPalette();

    // A deinterlacing step before every other; before the first picture.
    void deinterlaceFirst(const std::string& filter) { deinterlacing_ = filter; }

    // The filters' text for a picture of the given pixel format.
    std::string description() const;

private:
    enum class Pass { Single, GatherPalette, DrawWithPalette };

    struct Shape {
        int width = 0;
        int height = 0;
        int format = -1;
        AVRational aspect {0, 1};
        bool operator==(const Shape& other) const;
    };

    void makeChain(const AVFrame& picture, AVRational timeBase);
    void keepPalette(const AVFrame* palette);

    Target target_;
    std::string deinterlacing_;
    Shape shape_;
    int64_t end_ = AV_NOPTS_VALUE;  // where the pictures so far end, in their time base
    std::unique_ptr<FilterChain> chain_;
    std::unique_ptr<PaletteDrawing> drawing_;  // the second pass's, for the chain's pictures
    Pass pass_;
    std::vector<FramePtr> palettes_;  // one for each chain of the gathering pass
    std::size_t chainsMade_ = 0;
};

} // namespace ridod2e
