// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ReadableExtensions.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string_view>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// Subtitles, text, still pictures, playlists, and raw pictures whose size no file tells.
constexpr std::string_view kNotAudioOrVideo[] = {
    "aqtitle",   "ass",        "bitpacked", "concat",   "dash",     "data",   "dvbsub", "dvbtxt",  "ffmetadata",
    "hls",       "image2",     "jacosub",   "lrc",      "microdvd", "mjpeg_2000", "mpl2", "mpsub", "pjs",
    "rawvideo",  "realtext",   "sami",      "scc",      "srt",      "stl",    "subviewer", "subviewer1", "sup",
    "tty",       "v210",       "v210x",     "vobsub",   "vplayer",  "webvtt",
};

// Extensions of containers that libavformat finds by probing, without naming them in its lists.
constexpr std::string_view kProbedOnly[] = {"m2t", "m2ts", "mts", "oga", "ogv", "opus", "spx", "ts"};

} // namespace

bool IsNotAudioOrVideoDemuxer(const std::string& name)
{
    return std::find(std::begin(kNotAudioOrVideo), std::end(kNotAudioOrVideo), name) != std::end(kNotAudioOrVideo)
        || name.rfind("image_", 0) == 0 || name.find("_pipe") != std::string::npos;
}

std::vector<std::string> ReadableExtensions()
{
    std::set<std::string> extensions(std::begin(kProbedOnly), std::end(kProbedOnly));
    void* iterator = nullptr;
    while (const AVInputFormat* demuxer = av_demuxer_iterate(&iterator)) {
        if (demuxer->extensions == nullptr || IsNotAudioOrVideoDemuxer(demuxer->name))
            continue;
        std::stringstream list(demuxer->extensions);
        std::string extension;
        while (std::getline(list, extension, ',')) {
            std::transform(extension.begin(), extension.end(), extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (!extension.empty())
                extensions.insert(extension);
        }
    }
    return {extensions.begin(), extensions.end()};
}
