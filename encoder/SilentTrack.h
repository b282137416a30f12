// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound track of silence, for containers that take no file without one
// (the PSP's holds one video and one audio stream): encoded alongside the
// picture, so that it lasts as long as the video and is interleaved with it.
#include "encoder/AudioEncoderSetup.h"
#include "encoder/EncodeRequest.h"
#include "encoder/OutputMedia.h"

namespace ridod2e {

// The container needs a sound track even when there is no sound.
bool NeedsSoundTrack(const AVOutputFormat* muxer);

class SilentTrack {
public:
    // Opens the audio encoder the request names (else the container's own)
    // at the request's rate and channels, and adds the output stream.
    SilentTrack(const EncodeRequest& request, const AVOutputFormat* muxer, OutputMedia& output);

    // Encodes silence up to the time, in seconds from the start.
    void fillTo(double seconds);
    // Encodes silence up to the time and drains the encoder.
    void finish(double seconds);

private:
    // Encodes silence up to the sample; only whole frames unless it is the last.
    void encodeUntil(int64_t end, bool last);
    void drainEncoder();

    OutputMedia& output_;
    AudioEncoding encoding_;
    int outputStream_;
    FramePtr frame_;
    PacketPtr packet_;
    int64_t samples_ = 0;
};

} // namespace ridod2e
