// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real clips made once per test run with the fixture generator and shared by
// the tests that read them.
#include "support/MediaFixtures.h"
#include "support/TempDir.h"

#include <fstream>
#include <map>
#include <string>

namespace clips {

inline const TempDir& Folder()
{
    static const TempDir folder;
    return folder;
}

// The clip `name` made from `clipSettings`, made on first use.
inline std::string Clip(const std::string& name, const fixtures::ClipSettings& clipSettings)
{
    static std::map<std::string, std::string> made;
    const auto found = made.find(name);
    if (found != made.end())
        return found->second;
    const auto path = Folder().path() / name;
    fixtures::MakeClip(path, clipSettings);
    return made[name] = path.string();
}

// An MPEG-4 AVI without sound: tiny and quick to make.
inline fixtures::ClipSettings SilentAvi(int width, int height, AVRational rate, double seconds)
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
    clipSettings.audioCodec.clear();
    clipSettings.width = width;
    clipSettings.height = height;
    clipSettings.frameRate = rate;
    clipSettings.seconds = seconds;
    return clipSettings;
}

// 640 x 352 at 25 fps for 90 seconds, MPEG-4 video and MP3 sound.
inline std::string NinetySecondAvi()
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("avi");
    clipSettings.width = 640;
    clipSettings.height = 352;
    clipSettings.frameRate = {25, 1};
    clipSettings.seconds = 90;
    return Clip("clip.avi", clipSettings);
}

// Two seconds of H.264 and AAC in MP4: what a good conversion leaves.
inline std::string TwoSecondMp4()
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp4");
    clipSettings.seconds = 2;
    return Clip("two-seconds.mp4", clipSettings);
}

inline std::string Mp3()
{
    fixtures::ClipSettings clipSettings = fixtures::ClipFor("mp3");
    clipSettings.seconds = 7;
    return Clip("song.mp3", clipSettings);
}

inline std::string RandomBytes()
{
    const auto path = Folder().path() / "noise.avi";
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        std::uint32_t state = 12345;
        for (int i = 0; i < 64 * 1024; ++i) {
            state = state * 1664525u + 1013904223u;
            out.put(static_cast<char>(state >> 24));
        }
    }
    return path.string();
}

} // namespace clips
