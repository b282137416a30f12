// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/CropProbe.h"

#include "core/cmdline/CommandPieces.h"

std::optional<CropArea> MeasureCrop(const std::string& path, const std::string& pictureSize, const std::string& appDir,
                                    WaitStyle wait)
{
    EncoderProbe probe(appDir, wait, [](const std::string&, const std::string&, const std::string&, const std::string&) {});
    probe.runProbe(ProbeCommandLine(path, false) + Quoted(pieces::kCropHead, "auto"), true);
    if (probe.probeFailed())
        return std::nullopt;
    for (const std::string& line : probe.lines())
        if (const auto area = CropAreaOfLine(line, pictureSize))
            return area;
    return std::nullopt;
}
