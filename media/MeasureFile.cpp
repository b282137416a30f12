// SPDX-License-Identifier: GPL-3.0-or-later
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
    const VideoStreamInfo& video = videoInfo.video();
    ComponentTexts texts;
    // The size a player shows: a turned picture's sides change places.
    const bool sideways = video.rotation == 90 || video.rotation == 270;
    texts.size = std::to_string(sideways ? video.height : video.width) + " x "
        + std::to_string(sideways ? video.width : video.height);
    texts.frameRate = std::to_string(RoundHalfEven(video.frameRate));
    texts.duration = video.duration.size() == 5 ? "00:" + video.duration : video.duration;
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
    videoInfo.inspect();
    if (videoInfo.videoMajorType() == "FILE NOT FOUND")
        return std::nullopt;
    const ComponentTexts texts = ComponentRowTexts(videoInfo);
    if (texts.size != "0 x 0") {
        const VideoStreamInfo& video = videoInfo.video();
        FileRow row = MakeFileRow(path, texts.size, texts.frameRate, texts.duration, formatIndex);
        row.rotation = video.rotation;
        if (video.rotation != 0)
            row.storedSize = std::to_string(video.width) + " x " + std::to_string(video.height);
        row.interlaced = video.interlaced;
        row.displayAspect = video.rotation == 90 || video.rotation == 270 ? Turned(video.displayAspect)
                                                                          : video.displayAspect;
        return row;
    }

    std::optional<FileRow> row;
    EncoderProbe probe(appDir, wait,
                       [&](const std::string& caption, const std::string& size, const std::string& frameRate,
                           const std::string& duration) { row = MakeFileRow(caption, size, frameRate, duration, formatIndex); });
    probe.probeWithEncoder(path);
    if (probe.probeRetryNeeded())
        probe.probeWithDsPrefix(path);
    if (row && !probe.probeFailed()) {
        const ProbeValues& values = probe.values();
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
