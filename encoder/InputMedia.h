// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input file: opened with the plain reader, the alternative reader
// (exhaustive probing, generated timestamps, corrupt packets dropped,
// damaged stretches stepped over) or a forced demuxer; its description; and
// its packets.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/Libav.h"

#include <optional>
#include <string>
#include <vector>

namespace ridod2e {

class InputMedia {
public:
    // Fails with "Error while opening file" when the file cannot be opened
    // and "Unknown format" when no reader understands it; without
    // -allow-protocols, an input that is not a local file fails at once.
    explicit InputMedia(const EncodeRequest& request);

    MediaSummary summary() const;
    AVFormatContext* context() const { return context_.get(); }
    const std::string& path() const { return path_; }
    bool alternativeReader() const { return alternativeReader_; }

    // The streams a conversion takes: the largest picture that is not cover
    // art, and the sound track of a one-track output (the one in the
    // language asked for, else the default track, else the first; never a
    // commentary while there is another); -1 when there is none.
    int videoStream() const;
    int audioStream(const std::string& language = {}) const;

    // Every stream of the type, in the file's order.
    std::vector<int> streamsOf(AVMediaType type) const;

    // Subtitles that are text, which another container's text format can
    // take; the others are pictures.
    bool isTextSubtitle(int stream) const;

    // Seconds of the earliest timestamp; 0 when unknown.
    double start() const;

    // From now on only these streams are read (-1 stands for none).
    void keepOnly(const std::vector<int>& streams);

    // The next packet of the kept streams; false at the end of the input.
    // A damaged stretch fails the plain reader ("cannot read the input");
    // the alternative reader reads on past it. A failing read of the file
    // itself fails both.
    bool read(AVPacket* packet);

    // Goes to the key frame at or before the time (seconds from the start);
    // a file that cannot seek is read from its beginning.
    void seek(double seconds);

    // Reads again from the beginning, the same streams.
    void rewind();

private:
    void open();

    std::string path_;
    std::string inputFormat_;
    bool alternativeReader_;
    bool allowProtocols_;
    InputContextPtr context_;
    std::optional<std::vector<int>> kept_;  // nothing: every stream, as opened
};

// The input's second that becomes the output's zero: its start, then -start and -ss.
double TimelineStart(const InputMedia& input, const EncodeRequest& request);

} // namespace ridod2e
