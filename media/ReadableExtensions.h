// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-name extensions of the audio and video files the encoder reads,
// from libavformat's own lists of its demuxers: lower case, without the dot,
// sorted, each once. Demuxers of subtitles, text and still pictures are left
// out: there is nothing in them to convert.
#include <string>
#include <vector>

std::vector<std::string> ReadableExtensions();

// Whether the demuxer of this name reads subtitles, text or still pictures only.
bool IsNotAudioOrVideoDemuxer(const std::string& name);
