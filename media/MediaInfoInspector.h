// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The media-information component: inspects a media file through the media
// detector and reports its container name, the names of its streams' types,
// its video stream's properties and one entry per audio stream. Each
// inspection starts afresh: nothing of the previous file remains, whatever
// becomes of this one. The results stay until the next inspection.
#include "media/StreamInfo.h"

#include <QObject>
#include <optional>
#include <string>
#include <vector>

class MediaDetector;
struct StreamMediaType;
struct WaveFormatBlock;
enum class FormatAnalysis;

class MediaInfoInspector : public QObject {
    Q_OBJECT
public:
    // The owner frees the component.
    explicit MediaInfoInspector(QObject* owner);

    const VideoStreamInfo& video() const { return video_; }
    const std::string& fileFormat() const { return names_.fileFormat; }
    const std::string& otherMajorType() const { return names_.otherMajorType; }
    const std::string& otherSubType() const { return names_.otherSubType; }
    const std::string& videoMajorType() const { return names_.videoMajorType; }
    const std::string& videoSubType() const { return names_.videoSubType; }
    const std::string& audioMajorType() const { return names_.audioMajorType; }
    const std::string& audioSubType() const { return names_.audioSubType; }
    const std::string& fileName() const { return fileName_; }
    void setFileName(const std::string& fileName) { fileName_ = fileName; }

    // Inspects fileName(). Never lets an error escape: an error ends the
    // inspection, and the result is false.
    bool inspect();

    int audioStreamCount() const { return static_cast<int>(audioStreams_.size()); }
    const AudioStreamInfo& audioStream(int index) const { return audioStreams_.at(static_cast<std::size_t>(index)); }

private:
    // The container's and the streams' type names.
    struct Names {
        std::string fileFormat;
        std::string otherMajorType;
        std::string otherSubType;
        std::string videoMajorType;
        std::string videoSubType;
        std::string audioMajorType;
        std::string audioSubType;
    };

    void reset();
    void inspectFile();
    void inspectStream(const MediaDetector& detector, int stream);
    void nameTypes(const StreamMediaType& type);
    void analyseFormat(const MediaDetector& detector, int stream, const StreamMediaType& type);
    void addAudioStream(const WaveFormatBlock& wave, std::optional<double> length);
    void analyseVideo(const MediaDetector& detector, int stream, const StreamMediaType& type, FormatAnalysis analysis);

    VideoStreamInfo video_;
    Names names_;
    std::string fileName_;
    std::vector<AudioStreamInfo> audioStreams_;
};
