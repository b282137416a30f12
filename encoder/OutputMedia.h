// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output file: its muxer, streams, tags and packets. The file is written
// under a hidden name and takes the output's name only when finished (see
// OutputFile); a run that failed leaves nothing that looks done. The muxer
// reaches no other file: every byte stream it opens is the output's own.
// Once the file is open, the streams' threads write their packets and the
// progress is read at the same time: write, bytes and seconds take turns.
#include "encoder/Console.h"
#include "encoder/EncodeRequest.h"
#include "encoder/Libav.h"
#include "encoder/OutputFile.h"
#include "encoder/StreamEncoder.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ridod2e {

class OutputMedia {
public:
    // Fails when the file exists and -y was not given or it may not be
    // replaced, or is the input, or when fast start is asked of a container
    // that has no index to move.
    OutputMedia(const EncodeRequest& request, const AVOutputFormat* muxer);
    ~OutputMedia();
    OutputMedia(const OutputMedia&) = delete;
    OutputMedia& operator=(const OutputMedia&) = delete;

    // Adds a stream for the encoder; returns its index. frameRate is {0, 1}
    // for audio.
    int addStream(const StreamEncoder& encoder, AVRational frameRate);

    // Adds a stream for an encoder of libavcodec that is not a StreamEncoder
    // (subtitles); returns its index.
    int addStream(const AVCodecContext& encoder);

    // Adds a stream whose packets are the input stream's own, with its tags,
    // marks and side data; returns its index. frameRate is {0, 1} but for
    // pictures.
    int addCopiedStream(const AVStream* source, AVRational frameRate);
    // The codec tag a copied stream takes: none, so that the muxer picks its
    // own, but for raw pictures, whose tag names their pixel format.
    static unsigned CopiedCodecTag(const AVCodecParameters& source);

    // The stream takes the input stream's language, title and marks
    // (default, forced, commentary...).
    void keepLabels(int stream, const AVStream* source);

    // The stream carries the side data; nothing when it is empty.
    void addSideData(int stream, AVPacketSideDataType type, const std::vector<uint8_t>& data);

    // Takes over the input's chapters, on a timeline that starts at the
    // given second of the input; before open(). An MP4's chapter track
    // cannot start later than the file, so there an untitled chapter comes
    // before a first one that does.
    void keepChapters(const AVFormatContext* input, double fromSeconds);

    // Creates the hidden file and writes its header, with the input's tags.
    void open(const AVDictionary* inputTags);

    // Writes one packet whose times are in the time base; the muxer
    // interleaves the streams by time.
    void write(AVPacket* packet, int stream, AVRational timeBase);

    // Writes the trailer and gives the file the output's name; before that,
    // `beforeNaming` may work on the finished file through its descriptor.
    void finish(const std::function<void(int descriptor)>& beforeNaming = {});

    int64_t bytes() const;
    double seconds() const;
    MediaSummary summary() const;

private:
    // The muxer's own byte streams: only the output, for writing or reading back.
    static int openNested(AVFormatContext* context, AVIOContext** io, const char* url, int flags, AVDictionary**);
    static int closeNested(AVFormatContext* context, AVIOContext* io);
    void setTags(const AVDictionary* inputTags);
    // A chapter of no title added at the end of the list; the file frees it.
    AVChapter* addChapter(int64_t id, AVRational timeBase, int64_t start, int64_t end);
    // An empty stream of the file, for the caller to describe.
    AVStream* newStream();
    // Records the new stream's frame rate; returns its index.
    int registered(AVStream* stream, AVRational frameRate);
    void copySideData(AVStream* stream, const AVPacketSideData& data);

    const EncodeRequest& request_;
    std::unique_ptr<OutputFile> file_;
    OutputContextPtr context_;
    std::vector<AVRational> frameRates_;
    mutable std::mutex writing_;
    double seconds_ = 0;
};

} // namespace ridod2e
