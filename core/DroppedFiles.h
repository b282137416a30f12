// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a drop onto the window adds: each dropped file as it is, and for each
// dropped folder the audio and video files inside it, at any depth, sorted
// by path. What counts as audio or video is decided by the file's extension.
#include <string>
#include <vector>

// `extensions` are lower case, without the dot. Folders that cannot be read
// are passed over; links to folders are not followed.
std::vector<std::string> ExpandDroppedPaths(const std::vector<std::string>& paths,
                                            const std::vector<std::string>& extensions);
