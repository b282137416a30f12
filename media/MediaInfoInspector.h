#pragma once
// The media-information component: inspects a media file through the media
// detector and reports its container name, the names of its streams' types,
// its video stream's properties and one entry per audio stream. It keeps the
// results of the last inspection until the next one.
#include "media/StreamInfo.h"

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class MediaDetector;
struct StreamMediaType;
struct WaveFormatBlock;
enum class FormatAnalysis;

// A notification; the sender is the component's owner.
using NotifyEvent = std::function<void(QObject* sender)>;

class MediaInfoInspector : public QObject {
    Q_OBJECT
public:
    // The owner frees the component and is the sender of its events.
    explicit MediaInfoInspector(QObject* owner);

    const VideoStreamInfo& Video() const { return video_; }
    const std::string& FileFormat() const { return fileFormat_; }
    const std::string& OtherMajorType() const { return otherMajorType_; }
    const std::string& OtherSubType() const { return otherSubType_; }
    const std::string& VideoMajorType() const { return videoMajorType_; }
    const std::string& VideoSubType() const { return videoSubType_; }
    const std::string& AudioMajorType() const { return audioMajorType_; }
    const std::string& AudioSubType() const { return audioSubType_; }
    const std::string& FileName() const { return fileName_; }
    void setFileName(const std::string& fileName) { fileName_ = fileName; }
    const DvdInfo& DVDInfo() const { return dvdInfo_; }
    void setDVDInfo(const DvdInfo& info) { dvdInfo_ = info; }

    // Lists that the component offers and nothing fills.
    const std::vector<std::string>& List_AudioCodecs() const { return audioCodecs_; }
    const std::vector<std::string>& List_VideoCodecs() const { return videoCodecs_; }
    const std::vector<std::string>& List_DirectShowFilters() const { return directShowFilters_; }
    const std::vector<std::string>& List_VideoCaptureDevices() const { return videoCaptureDevices_; }
    const std::vector<std::string>& List_AudioCaptureDevices() const { return audioCaptureDevices_; }
    const std::vector<std::string>& List_AudioOutputDevices() const { return audioOutputDevices_; }
    const std::vector<std::string>& List_TVTuners() const { return tvTuners_; }

    NotifyEvent OnStart;  // before an inspection
    NotifyEvent OnFinish; // after an inspection that did not fail with an error
    NotifyEvent OnError;  // when an inspection fails with an error

    // Inspects FileName. Never lets an error escape: an error ends the
    // inspection and raises OnError instead of OnFinish.
    void Inspect();

    int AudioStreamCount() const { return static_cast<int>(audioStreams_.size()); }
    const AudioStreamInfo& AudioStream(int index) const { return audioStreams_.at(static_cast<std::size_t>(index)); }

private:
    void InspectFile();
    void InspectStream(const MediaDetector& detector, int stream);
    void NameTypes(const StreamMediaType& type);
    void AnalyseFormat(const MediaDetector& detector, int stream, const StreamMediaType& type);
    void AddAudioStream(const WaveFormatBlock& wave, std::optional<double> length);
    void AnalyseVideo(const MediaDetector& detector, int stream, const StreamMediaType& type, FormatAnalysis analysis);
    void Raise(const NotifyEvent& event);

    VideoStreamInfo video_;
    std::string fileFormat_;
    std::string otherMajorType_;
    std::string otherSubType_;
    std::string videoMajorType_;
    std::string videoSubType_;
    std::string audioMajorType_;
    std::string audioSubType_;
    std::string fileName_;
    DvdInfo dvdInfo_;
    std::vector<std::string> audioCodecs_;
    std::vector<std::string> videoCodecs_;
    std::vector<std::string> directShowFilters_;
    std::vector<std::string> videoCaptureDevices_;
    std::vector<std::string> audioCaptureDevices_;
    std::vector<std::string> audioOutputDevices_;
    std::vector<std::string> tvTuners_;
    std::vector<AudioStreamInfo> audioStreams_;
};
