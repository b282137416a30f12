#include "media/MediaInfoInspector.h"

#include "media/MediaDetector.h"
#include "media/NameTables.h"
#include "media/VideoInfoText.h"

#include <filesystem>
#include <stdexcept>

MediaInfoInspector::MediaInfoInspector(QObject* owner)
    : QObject(owner)
{
}

void MediaInfoInspector::Raise(const NotifyEvent& event)
{
    if (event)
        event(parent());
}

void MediaInfoInspector::Inspect()
{
    Raise(OnStart);
    try {
        InspectFile();
    } catch (const std::exception&) {
        Raise(OnError);
        return;
    }
    Raise(OnFinish);
}

void MediaInfoInspector::InspectFile()
{
    audioStreams_.clear();
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName_, error)) {
        videoMajorType_ = "FILE NOT FOUND";
        return;
    }
    video_.Width = 0;
    video_.Height = 0;
    video_.Duration = "0";
    video_.FrameCount = 0;
    video_.BitRate = 0.0;
    video_.FrameRate = 0.0;
    video_.AspectRatioText = "0";
    video_.DisplayAspect.clear();
    video_.Rotation = 0;
    video_.Interlaced = false;

    const std::string extension = std::filesystem::path(fileName_).extension().string();
    if (const auto name = ContainerName(extension.empty() ? extension : extension.substr(1)))
        fileFormat_ = *name;

    MediaDetector detector;
    if (!detector.setFilename(fileName_)) {
        videoMajorType_ = "ERROR";
        return;
    }
    const auto streams = detector.outputStreams();
    if (!streams)
        return;
    for (int stream = 0; stream < *streams; ++stream)
        InspectStream(detector, stream);
}

void MediaInfoInspector::InspectStream(const MediaDetector& detector, int stream)
{
    const auto type = detector.streamMediaType(stream);
    if (!type)
        return;
    NameTypes(*type);
    AnalyseFormat(detector, stream, *type);
}

void MediaInfoInspector::NameTypes(const StreamMediaType& type)
{
    const auto store = [this](const NamedProperty& named) {
        switch (named.property) {
        case NameProperty::VideoMajorType: videoMajorType_ = named.name; break;
        case NameProperty::AudioMajorType: audioMajorType_ = named.name; break;
        case NameProperty::OtherMajorType: otherMajorType_ = named.name; break;
        case NameProperty::VideoSubType: videoSubType_ = named.name; break;
        case NameProperty::AudioSubType: audioSubType_ = named.name; break;
        case NameProperty::OtherSubType: otherSubType_ = named.name; break;
        }
    };
    store(MajorTypeName(type.majorType));
    store(SubtypeName(type.subtype));
}

void MediaInfoInspector::AnalyseFormat(const MediaDetector& detector, int stream, const StreamMediaType& type)
{
    const FormatTypeResult format = FormatTypeLookup(type.formatType);
    switch (format.analysis) {
    case FormatAnalysis::NameOnly:
        video_.FormatType = format.name;
        return;
    case FormatAnalysis::WaveFormatEx:
        if (type.wave)
            AddAudioStream(*type.wave, detector.streamLength(stream));
        return;
    default:
        AnalyseVideo(detector, stream, type, format.analysis);
        return;
    }
}

void MediaInfoInspector::AddAudioStream(const WaveFormatBlock& wave, std::optional<double> length)
{
    AudioStreamInfo entry;
    if (length) {
        const DurationTexts texts = StreamDurationTexts(*length);
        entry.Duration = texts.duration;
        entry.DurationMs = texts.durationMs;
    }
    entry.FormatName = WaveFormatName(wave.formatTag);
    entry.SampleRate = std::to_string(wave.samplesPerSecond);
    entry.SampleBitRate = std::to_string(RoundHalfEven(double(wave.bitsPerSample) * wave.samplesPerSecond / 100.0));
    entry.BitsPerSample = std::to_string(wave.bitsPerSample);
    entry.Channels = std::to_string(wave.channels);
    audioStreams_.push_back(entry);
}

void MediaInfoInspector::AnalyseVideo(const MediaDetector& detector, int stream, const StreamMediaType& type,
                                FormatAnalysis analysis)
{
    const std::optional<double> length = detector.streamLength(stream);
    if (length) {
        const DurationTexts texts = StreamDurationTexts(*length);
        video_.Duration = texts.duration;
        video_.DurationMs = texts.durationMs;
    }
    if (!type.video)
        return;
    const VideoFormatBlock& block = *type.video;
    video_.Width = block.width;
    video_.Height = block.height;
    video_.Rotation = block.clockwiseTurn;
    video_.Interlaced = block.interlaced;
    double rate = 0.0;
    if (const auto fetched = detector.frameRate(stream)) {
        rate = *fetched;
        video_.FrameRate = rate;
    }
    // A length or rate that cannot be fetched counts as zero frames.
    video_.FrameCount = static_cast<std::int32_t>(RoundHalfEven(length.value_or(0.0) * rate));
    video_.BitRate = block.bitRate;
    video_.DisplayAspect = block.pictureAspectX != 0 && block.pictureAspectY != 0
        ? std::to_string(block.pictureAspectX) + ":" + std::to_string(block.pictureAspectY)
        : std::string();
    if (analysis == FormatAnalysis::MpegVideo || analysis == FormatAnalysis::Mpeg2Video) {
        video_.Codec = FourCCToText(block.compression);
    } else {
        video_.FourCC = FourCCToText(block.compression);
        video_.Codec = CodecDescription(video_.FourCC);
    }
    if (analysis == FormatAnalysis::VideoInfo2) {
        if (block.pictureAspectY == 0)
            throw std::domain_error("the picture aspect has no height");
        video_.AspectX = static_cast<std::int32_t>(block.pictureAspectX);
        video_.AspectY = static_cast<std::int32_t>(block.pictureAspectY);
        video_.AspectRatio = double(block.pictureAspectX) / block.pictureAspectY;
        video_.AspectRatioText = std::to_string(block.pictureAspectX) + ":" + std::to_string(block.pictureAspectY);
        return;
    }
    const FrameAspect aspect = AspectByFrameSize(block.width, block.height);
    video_.AspectRatioText = aspect.text;
    video_.AspectRatio = aspect.ratio;
    video_.AspectX = aspect.x;
    video_.AspectY = aspect.y;
}
