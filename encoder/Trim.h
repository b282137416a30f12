// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What -start and -end ask of a conversion that codes its streams anew:
// the start must lie inside the input, the pictures stop at the end's
// frame, and the sound at its sample. The start itself is cut where the
// output's timeline begins (see TimelineStart).
#include "encoder/EncodeRequest.h"
#include "encoder/InputMedia.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace ridod2e {

// "2.500 s", as failures name a moment.
std::string SecondsText(double seconds);

// Fails when the start lies at or past the end of an input whose length is known.
void CheckStartWithin(const EncodeRequest& request, const InputMedia& input);

// The reason for an output that got nothing: the start lies past the input's end.
std::string NothingAfterStart(const EncodeRequest& request);

// How long the output may last; nothing without an end.
std::optional<double> TrimmedLength(const EncodeRequest& request);

// The most pictures the output holds at the rate: the end's and -vframes'
// limit, whichever comes first; -1 for none.
int64_t PictureLimit(const EncodeRequest& request, AVRational frameRate);

// Cuts decoded sound at the end: frames whose pts (in the time base) count
// from the output's start.
class SoundEnd {
public:
    SoundEnd(const EncodeRequest& request, AVRational timeBase);

    // False for a frame wholly past the end; a frame across it is shortened to end there.
    bool cut(AVFrame& frame);
    // The end has come; safe to ask from another thread.
    bool reached() const { return reached_; }

private:
    int64_t end_;  // AV_NOPTS_VALUE: no end
    AVRational timeBase_;
    std::atomic<bool> reached_ = false;
};

} // namespace ridod2e
