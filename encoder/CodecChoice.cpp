// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoder/CodecChoice.h"

#include "encoder/Fault.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace ridod2e {
namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Extension(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return Lower(extension.empty() ? extension : extension.substr(1));
}

} // namespace

std::string EncoderNameFor(const std::string& commandLineName)
{
    // No WMV 9 encoder exists in the libraries: "wmv3x" is written as WMV 8.
    static const std::map<std::string, std::string> encoders = {
        {"mpeg4", "mpeg4"},           {"mpeg4_qt", "mpeg4"},   {"xvid", "libxvid"},  {"h264", "libx264"},
        {"h263", "h263"},             {"mpeg1video", "mpeg1video"}, {"wmv1x", "wmv1"}, {"wmv2x", "wmv2"},
        {"wmv3x", "wmv2"},            {"mpeg4aac", "aac"},     {"mpeg4aac_qt", "aac"}, {"aac", "aac"},
        {"mp3", "libmp3lame"},        {"mp2", "mp2"},          {"ac3", "ac3"},       {"pcm_s16le", "pcm_s16le"},
        {"wma7x", "wmav2"},
        {"h265", "libx265"},          {"hevc", "libx265"},     {"av1", "libsvtav1"}, {"vp9", "libvpx-vp9"},
        {"opus", "libopus"},          {"flac", "flac"},        {"vorbis", "libvorbis"}, {"gif", "gif"},
    };
    const auto found = encoders.find(Lower(commandLineName));
    return found == encoders.end() ? commandLineName : found->second;
}

bool IsStreamCopy(const std::string& commandLineName)
{
    return Lower(commandLineName) == "copy";
}

bool IsPaletteVideo(const std::string& commandLineName, const AVOutputFormat* muxer)
{
    return commandLineName.empty() ? muxer->video_codec == AV_CODEC_ID_GIF : EncoderNameFor(commandLineName) == "gif";
}

bool IsAmrNb(const std::string& commandLineName)
{
    const std::string name = Lower(commandLineName);
    return name == "amr_nb" || name == "libopencore_amrnb";
}

const AVOutputFormat* ChooseMuxer(const std::string& formatName, const std::string& outputPath)
{
    static const std::map<std::string, std::string> aliases = {
        {"xwmv", "asf"}, {"qt", "mov"}, {"singlejpeg", "mjpeg"},
    };
    if (!formatName.empty()) {
        const auto alias = aliases.find(Lower(formatName));
        const std::string name = alias == aliases.end() ? Lower(formatName) : alias->second;
        if (const AVOutputFormat* muxer = av_guess_format(name.c_str(), nullptr, nullptr))
            return muxer;
        Fail("no container named '" + formatName + "' can be written");
    }
    if (const AVOutputFormat* muxer = av_guess_format(nullptr, outputPath.c_str(), nullptr))
        return muxer;
    Fail("the container of '" + outputPath + "' cannot be told from its extension; give -f");
}

const AVInputFormat* ChooseDemuxer(const std::string& formatName)
{
    const std::string name = Lower(formatName) == "qt" ? "mov" : Lower(formatName);
    if (const AVInputFormat* demuxer = av_find_input_format(name.c_str()))
        return demuxer;
    Fail(FaultKind::UnknownFormat, "no reader named '" + formatName + "'");
}

bool IsAudioOnlyContainer(const AVOutputFormat* muxer, const std::string& outputPath)
{
    // FLAC files may hold a cover picture, which is not the video.
    static const std::set<std::string> audioExtensions = {"mp3", "mp2", "m4a", "wav", "ogg", "aac", "wma", "ra", "ac3",
                                                          "flac", "opus"};
    static const std::set<std::string> audioMuxers = {"mp3", "mp2", "adts", "wav", "ac3", "amr", "flac"};
    return muxer->video_codec == AV_CODEC_ID_NONE || audioMuxers.count(muxer->name)
        || audioExtensions.count(Extension(outputPath));
}

bool KeepsVideo(const EncodeRequest& request, const AVOutputFormat* muxer)
{
    return !request.noVideo && !IsAudioOnlyContainer(muxer, request.output);
}

} // namespace ridod2e
