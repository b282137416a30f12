// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clips.h"

#include "support/TempDir.h"

#include <map>

namespace encodertest {
namespace {

TempDir& RunFolder()
{
    static TempDir folder;
    return folder;
}

fixtures::ClipSettings SettingsFor(const std::string& name)
{
    if (name == "ntsc" || name == "silent") {
        fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
        clipSettings.width = 640;
        clipSettings.height = 352;
        if (name == "ntsc")
            clipSettings.frameRate = {30000, 1001};
        else
            clipSettings.audioCodec.clear();
        return clipSettings;
    }
    if (name == "hd") {
        fixtures::ClipSettings clipSettings = fixtures::ClipFor("matroska");
        clipSettings.width = 1280;
        clipSettings.height = 720;
        clipSettings.audioCodec = "aac";
        clipSettings.chapters = 2;
        clipSettings.subtitles = true;
        return clipSettings;
    }
    fixtures::ClipSettings clipSettings = fixtures::ClipFor(name);
    if (name != "3gp") {
        clipSettings.width = 640;
        clipSettings.height = 352;
    }
    return clipSettings;
}

std::string FileNameFor(const std::string& name, const fixtures::ClipSettings& clipSettings)
{
    static const std::map<std::string, std::string> extensions = {
        {"matroska", "mkv"}, {"hd", "mkv"}, {"mpeg", "mpg"}, {"asf", "wmv"}, {"ntsc", "mp4"}, {"silent", "mp4"},
    };
    const auto found = extensions.find(name);
    return "clip-" + name + "." + (found == extensions.end() ? clipSettings.container : found->second);
}

} // namespace

const std::filesystem::path& Clip(const std::string& name)
{
    fixtures::ClipSettings clipSettings = SettingsFor(name);
    clipSettings.seconds = ClipSeconds;
    return Clip(FileNameFor(name, clipSettings), clipSettings);
}

const std::filesystem::path& Clip(const std::string& fileName, const fixtures::ClipSettings& clipSettings)
{
    static std::map<std::string, std::filesystem::path> made;
    const auto found = made.find(fileName);
    if (found != made.end())
        return found->second;
    const std::filesystem::path path = RunFolder().path() / fileName;
    fixtures::MakeClip(path, clipSettings);
    return made.emplace(fileName, path).first->second;
}

std::filesystem::path OutputFolder(const std::string& name)
{
    const std::filesystem::path folder = RunFolder().path() / ("out-" + name);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace encodertest
