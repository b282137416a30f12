#include "Clips.h"

#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <map>

namespace encodertest {
namespace {

TempDir& RunFolder()
{
    static TempDir folder;
    return folder;
}

fixtures::ClipSpec SpecFor(const std::string& name)
{
    if (name == "ntsc" || name == "silent") {
        fixtures::ClipSpec clipSpec = fixtures::ClipFor("mp4");
        clipSpec.width = 640;
        clipSpec.height = 352;
        if (name == "ntsc")
            clipSpec.frameRate = {30000, 1001};
        else
            clipSpec.audioCodec.clear();
        return clipSpec;
    }
    fixtures::ClipSpec clipSpec = fixtures::ClipFor(name);
    if (name != "3gp") {
        clipSpec.width = 640;
        clipSpec.height = 352;
    }
    return clipSpec;
}

std::string FileNameFor(const std::string& name, const fixtures::ClipSpec& clipSpec)
{
    static const std::map<std::string, std::string> extensions = {
        {"matroska", "mkv"}, {"mpeg", "mpg"}, {"asf", "wmv"}, {"ntsc", "mp4"}, {"silent", "mp4"},
    };
    const auto found = extensions.find(name);
    return "clip-" + name + "." + (found == extensions.end() ? clipSpec.container : found->second);
}

} // namespace

const std::filesystem::path& Clip(const std::string& name)
{
    static std::map<std::string, std::filesystem::path> made;
    const auto found = made.find(name);
    if (found != made.end())
        return found->second;
    fixtures::ClipSpec clipSpec = SpecFor(name);
    clipSpec.seconds = ClipSeconds;
    const std::filesystem::path path = RunFolder().path() / FileNameFor(name, clipSpec);
    fixtures::MakeClip(path, clipSpec);
    return made.emplace(name, path).first->second;
}

std::filesystem::path OutputFolder(const std::string& name)
{
    const std::filesystem::path folder = RunFolder().path() / ("out-" + name);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace encodertest
