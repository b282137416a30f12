#include "media/MeasureFile.h"

#include "media/MediaInfoInspector.h"
#include "media/VideoInfoText.h"
#include "core/profiles/FormatCatalogue.h"

#include <filesystem>

namespace {

// "16:9" shown turned a quarter is "9:16".
std::string Turned(const std::string& aspect)
{
    const auto colon = aspect.find(':');
    return colon == std::string::npos ? aspect : aspect.substr(colon + 1) + ":" + aspect.substr(0, colon);
}

} // namespace

FileRow MakeFileRow(const std::string& path, const std::string& size, const std::string& frameRate,
                    const std::string& duration, int formatIndex)
{
    FileRow row;
    row.caption = path;
    row.cell(FileColumn::VideoSize) = size;
    row.cell(FileColumn::FrameRate) = frameRate;
    row.cell(FileColumn::Duration) = duration;
    row.cell(FileColumn::Output) = FormatTag(formatIndex);
    row.checked = true;
    return row;
}

ComponentTexts ComponentRowTexts(const MediaInfoInspector& videoInfo)
{
    const VideoStreamInfo& video = videoInfo.Video();
    ComponentTexts texts;
    // The size a player shows: a turned picture's sides change places.
    const bool sideways = video.Rotation == 90 || video.Rotation == 270;
    texts.size = std::to_string(sideways ? video.Height : video.Width) + " x "
        + std::to_string(sideways ? video.Width : video.Height);
    texts.frameRate = std::to_string(RoundHalfEven(video.FrameRate));
    texts.duration = video.Duration.size() == 5 ? "00:" + video.Duration : video.Duration;
    return texts;
}

std::optional<FileRow> MeasureFile(const std::string& path, const std::string& appDir, int formatIndex,
                                   WaitStyle wait, MediaInfoInspector& videoInfo)
{
    // A file that went away since it was chosen gets no row; the component
    // would otherwise still hold the previous file's values.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    videoInfo.setFileName(path);
    videoInfo.Inspect();
    if (videoInfo.VideoMajorType() == "FILE NOT FOUND")
        return std::nullopt;
    const ComponentTexts texts = ComponentRowTexts(videoInfo);
    if (texts.size != "0 x 0") {
        const VideoStreamInfo& video = videoInfo.Video();
        FileRow row = MakeFileRow(path, texts.size, texts.frameRate, texts.duration, formatIndex);
        row.rotation = video.Rotation;
        if (video.Rotation != 0)
            row.storedSize = std::to_string(video.Width) + " x " + std::to_string(video.Height);
        row.interlaced = video.Interlaced;
        row.displayAspect = video.Rotation == 90 || video.Rotation == 270 ? Turned(video.DisplayAspect)
                                                                          : video.DisplayAspect;
        return row;
    }

    std::optional<FileRow> row;
    EncoderProbe probe(appDir, wait,
                       [&](const std::string& caption, const std::string& size, const std::string& frameRate,
                           const std::string& duration) { row = MakeFileRow(caption, size, frameRate, duration, formatIndex); });
    probe.ProbeWithEncoder(path);
    if (probe.ProbeRetryNeeded())
        probe.ProbeWithDsPrefix(path);
    if (row && !probe.ProbeFailed()) {
        const ProbeValues& values = probe.Values();
        row->displayAspect = values.displayAspect;
        row->rotation = values.rotation;
        row->storedSize = values.storedSize;
        row->interlaced = values.interlaced;
    }
    return row;
}

std::optional<FileRow> MeasureFile(const std::string& path, const std::string& appDir, int formatIndex, WaitStyle wait)
{
    MediaInfoInspector videoInfo(nullptr);
    return MeasureFile(path, appDir, formatIndex, wait, videoInfo);
}
