// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test clips, made once per test run on first use and shared by the tests:
// a moving pattern with a sine tone, 4 seconds, 640x352 at 25 fps unless
// the name says otherwise.
//   "avi", "mp4", "mov", "matroska", "mpeg", "asf", "flv", "rm": video and audio
//   "3gp": H.263 176x144 with AAC;  "ntsc": MP4 at 29.97 fps
//   "wav", "mp3": audio only;  "silent": MP4 video without audio
//   "hd": Matroska, H.264 1280x720 with AAC, two chapters and a subtitle stream
#include "support/MediaFixtures.h"

#include <filesystem>
#include <string>

namespace encodertest {

inline constexpr double ClipSeconds = 4.0;

const std::filesystem::path& Clip(const std::string& name);

// A clip of other settings, made once per test run under the file name.
const std::filesystem::path& Clip(const std::string& fileName, const fixtures::ClipSettings& clipSettings);

// A fresh folder for one test's outputs, under the run's own folder.
std::filesystem::path OutputFolder(const std::string& name);

} // namespace encodertest
