// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chooses and opens the audio encoder for a request. A sample rate, channel
// count or bitrate that the codec cannot take becomes the nearest one it
// can: 54000 Hz AAC is written at 48000 Hz, AMR-NB always at 8000 Hz mono.
#include "encoder/EncodeRequest.h"
#include "encoder/StreamEncoder.h"

#include <memory>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

namespace ridod2e {

struct AudioEncoding {
    std::unique_ptr<StreamEncoder> encoder;
    int sampleRate = 0;
    AVChannelLayout layout {};      // a native-order layout: nothing to free
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    int frameSize = 0;              // samples per frame; 0: any
    int priming = 0;                // samples the encoder puts before the sound (AAC, MP3)
};

// Fails with "Unsupported codec" when the name has no audio encoder.
// Without a source stream (silence), 44100 Hz stereo unless asked otherwise.
AudioEncoding OpenAudioEncoder(const EncodeRequest& request, AVStream* source, const AVOutputFormat* muxer);

// The entry of the list nearest the wanted value (the higher one on a tie).
int NearestOf(const std::vector<int>& candidates, int wanted);

// The MPEG audio layer II bitrate nearest the wanted one at the sample rate.
int64_t NearestMp2BitRate(int64_t wanted, int sampleRate);

} // namespace ridod2e
