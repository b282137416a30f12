// SPDX-License-Identifier: GPL-3.0-or-later
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

bool MediaInfoInspector::inspect()
{
    reset();
    try {
        inspectFile();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// Nothing of the previous file may answer for this one: a file that went
// away, or one without a picture, would otherwise report its predecessor's.
void MediaInfoInspector::reset()
{
    video_ = VideoStreamInfo();
    video_.duration = "0";
    video_.aspectRatioText = "0";
    names_ = Names();
    audioStreams_.clear();
}

void MediaInfoInspector::inspectFile()
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName_, error)) {
        names_.videoMajorType = "FILE NOT FOUND";
        return;
    }
    const std::string extension = std::filesystem::path(fileName_).extension().string();
    if (const auto name = ContainerName(extension.empty() ? extension : extension.substr(1)))
        names_.fileFormat = *name;

    MediaDetector detector;
    if (!detector.setFilename(fileName_)) {
        names_.videoMajorType = "ERROR";
        return;
    }
    const auto streams = detector.outputStreams();
    if (!streams)
        return;
    for (int stream = 0; stream < *streams; ++stream)
        inspectStream(detector, stream);
}

void MediaInfoInspector::inspectStream(const MediaDetector& detector, int stream)
{
    const auto type = detector.streamMediaType(stream);
    if (!type)
        return;
    nameTypes(*type);
    analyseFormat(detector, stream, *type);
}

void MediaInfoInspector::nameTypes(const StreamMediaType& type)
{
    const auto store = [this](const NamedProperty& named) {
        switch (named.property) {
        case NameProperty::VideoMajorType: names_.videoMajorType = named.name; break;
        case NameProperty::AudioMajorType: names_.audioMajorType = named.name; break;
        case NameProperty::OtherMajorType: names_.otherMajorType = named.name; break;
        case NameProperty::VideoSubType: names_.videoSubType = named.name; break;
        case NameProperty::AudioSubType: names_.audioSubType = named.name; break;
        case NameProperty::OtherSubType: names_.otherSubType = named.name; break;
        }
    };
    store(MajorTypeName(type.majorType));
    store(SubtypeName(type.subtype));
}

void MediaInfoInspector::analyseFormat(const MediaDetector& detector, int stream, const StreamMediaType& type)
{
    const FormatTypeResult format = FormatTypeLookup(type.formatType);
    switch (format.analysis) {
    case FormatAnalysis::NameOnly:
        video_.formatType = format.name;
        return;
    case FormatAnalysis::WaveFormatEx:
        if (type.wave)
            addAudioStream(*type.wave, detector.streamLength(stream));
        return;
    default:
        analyseVideo(detector, stream, type, format.analysis);
        return;
    }
}

void MediaInfoInspector::addAudioStream(const WaveFormatBlock& wave, std::optional<double> length)
{
    AudioStreamInfo entry;
    if (length) {
        const DurationTexts texts = StreamDurationTexts(*length);
        entry.duration = texts.duration;
        entry.durationMs = texts.durationMs;
    }
    entry.formatName = WaveFormatName(wave.formatTag);
    entry.sampleRate = std::to_string(wave.samplesPerSecond);
    entry.sampleBitRate = std::to_string(RoundHalfEven(double(wave.bitsPerSample) * wave.samplesPerSecond / 100.0));
    entry.bitsPerSample = std::to_string(wave.bitsPerSample);
    entry.channels = std::to_string(wave.channels);
    audioStreams_.push_back(entry);
}

void MediaInfoInspector::analyseVideo(const MediaDetector& detector, int stream, const StreamMediaType& type,
                                FormatAnalysis analysis)
{
    const std::optional<double> length = detector.streamLength(stream);
    if (length) {
        const DurationTexts texts = StreamDurationTexts(*length);
        video_.duration = texts.duration;
        video_.durationMs = texts.durationMs;
    }
    if (!type.video)
        return;
    const VideoFormatBlock& block = *type.video;
    video_.width = block.width;
    video_.height = block.height;
    video_.rotation = block.clockwiseTurn;
    video_.interlaced = block.interlaced;
    double rate = 0.0;
    if (const auto fetched = detector.frameRate(stream)) {
        rate = *fetched;
        video_.frameRate = rate;
    }
    // A length or rate that cannot be fetched counts as zero frames.
    video_.frameCount = static_cast<std::int32_t>(RoundHalfEven(length.value_or(0.0) * rate));
    video_.bitRate = block.bitRate;
    video_.displayAspect = block.pictureAspectX != 0 && block.pictureAspectY != 0
        ? std::to_string(block.pictureAspectX) + ":" + std::to_string(block.pictureAspectY)
        : std::string();
    if (analysis == FormatAnalysis::MpegVideo || analysis == FormatAnalysis::Mpeg2Video) {
        video_.codec = FourCCToText(block.compression);
    } else {
        video_.fourCC = FourCCToText(block.compression);
        video_.codec = CodecDescription(video_.fourCC);
    }
    if (analysis == FormatAnalysis::VideoInfo2) {
        if (block.pictureAspectY == 0)
            throw std::domain_error("the picture aspect has no height");
        video_.aspectX = static_cast<std::int32_t>(block.pictureAspectX);
        video_.aspectY = static_cast<std::int32_t>(block.pictureAspectY);
        video_.aspectRatio = double(block.pictureAspectX) / block.pictureAspectY;
        video_.aspectRatioText = std::to_string(block.pictureAspectX) + ":" + std::to_string(block.pictureAspectY);
        return;
    }
    const FrameAspect aspect = AspectByFrameSize(block.width, block.height);
    video_.aspectRatioText = aspect.text;
    video_.aspectRatio = aspect.ratio;
    video_.aspectX = aspect.x;
    video_.aspectY = aspect.y;
}
