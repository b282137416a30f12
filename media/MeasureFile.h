// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures one input file the way Add Files does: the media-information
// component first, and the encoder probe when the component reports no frame
// size. The window and the command-line tool both measure through here.
#include "media/EncoderProbe.h"
#include "core/FileRow.h"

#include <optional>
#include <string>

class MediaInfoInspector;

// The row of a measured file: caption, size, frame rate, duration, the tag of
// the output format at `formatIndex`, and empty Progress and Frames cells.
FileRow MakeFileRow(const std::string& path, const std::string& size, const std::string& frameRate,
                    const std::string& duration, int formatIndex);

// The component's three texts: "W x H", the frame rate to the nearest whole
// number (a half to the even neighbour), and the duration with "00:" put in
// front of a minutes-and-seconds text.
struct ComponentTexts {
    std::string size;
    std::string frameRate;
    std::string duration;
};
ComponentTexts ComponentRowTexts(const MediaInfoInspector& videoInfo);

// Empty when the file gets no row: it is no longer there, or the encoder
// could not be started. The row keeps the picture's display aspect when its
// pixels are not square.
std::optional<FileRow> MeasureFile(const std::string& path, const std::string& appDir, int formatIndex,
                                   WaitStyle wait, MediaInfoInspector& videoInfo);
std::optional<FileRow> MeasureFile(const std::string& path, const std::string& appDir, int formatIndex,
                                   WaitStyle wait = WaitStyle::Block);
