// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the command line uses for codecs and containers, and what the
// libraries make of them.
#include "encoder/EncodeRequest.h"

#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace ridod2e {

// The libavcodec encoder for a command-line codec name ("wmv3x" is "wmv2",
// "mpeg4aac" is "aac"); a name that is not in the table is taken as the
// encoder's own name. "amr_nb" has no libavcodec encoder: see IsAmrNb.
std::string EncoderNameFor(const std::string& commandLineName);
bool IsAmrNb(const std::string& commandLineName);

// "copy": the stream's packets go into the output unchanged.
bool IsStreamCopy(const std::string& commandLineName);

// The video is GIF, whose pictures share one palette made from the whole clip.
bool IsPaletteVideo(const std::string& commandLineName, const AVOutputFormat* muxer);

// The muxer for "-f" ("psp", "3gp", "xwmv", "qt", "singlejpeg" and the
// libraries' own names), else for the output file's extension. Fails with a
// reason when there is none.
const AVOutputFormat* ChooseMuxer(const std::string& formatName, const std::string& outputPath);

// The demuxer that "-f" before "-i" forces ("qt" is QuickTime/MP4).
const AVInputFormat* ChooseDemuxer(const std::string& formatName);

// Audio files hold no picture, whether or not -vn was given.
bool IsAudioOnlyContainer(const AVOutputFormat* muxer, const std::string& outputPath);

// The output may take a picture: no -vn, and not an audio file.
bool KeepsVideo(const EncodeRequest& request, const AVOutputFormat* muxer);

} // namespace ridod2e
