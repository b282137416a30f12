// SPDX-License-Identifier: GPL-3.0-or-later
// fixturegen: writes one test clip (moving pattern and sine tone).
//   fixturegen <container> <out> [--seconds S] [--size WxH] [--rate N[/D]]
//              [--video CODEC|none] [--audio CODEC|none] [--sample-rate HZ] [--channels N]
//              [--pixel-aspect N:D] [--level PEAK] [--index yes|no]
// The codecs default to the ones the container typically holds.
#include "support/MediaFixtures.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

int Usage()
{
    std::fputs("usage: fixturegen <container> <out> [--seconds S] [--size WxH] [--rate N[/D]]\n"
               "                  [--video CODEC|none] [--audio CODEC|none] [--sample-rate HZ] [--channels N]\n"
               "                  [--pixel-aspect N:D] [--level PEAK] [--index yes|no]\n",
               stderr);
    return 2;
}

std::string CodecOrNone(const std::string& value)
{
    return value == "none" ? std::string() : value;
}

void Apply(fixtures::ClipSettings& clipSettings, const std::string& option, const std::string& value)
{
    if (option == "--seconds") {
        clipSettings.seconds = std::stod(value);
    } else if (option == "--size") {
        const auto x = value.find('x');
        clipSettings.width = std::stoi(value.substr(0, x));
        clipSettings.height = std::stoi(value.substr(x + 1));
    } else if (option == "--rate") {
        const auto slash = value.find('/');
        clipSettings.frameRate = {std::stoi(value.substr(0, slash)), slash == std::string::npos ? 1 : std::stoi(value.substr(slash + 1))};
    } else if (option == "--video") {
        clipSettings.videoCodec = CodecOrNone(value);
    } else if (option == "--audio") {
        clipSettings.audioCodec = CodecOrNone(value);
    } else if (option == "--sample-rate") {
        clipSettings.sampleRate = std::stoi(value);
    } else if (option == "--channels") {
        clipSettings.channels = std::stoi(value);
    } else if (option == "--pixel-aspect") {
        const auto colon = value.find(':');
        clipSettings.pixelAspect = {std::stoi(value.substr(0, colon)), std::stoi(value.substr(colon + 1))};
    } else if (option == "--level") {
        clipSettings.toneLevel = std::stod(value);
    } else if (option == "--index") {
        clipSettings.seekIndex = value != "no";
    } else {
        throw std::invalid_argument("unknown option " + option);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0)
        return Usage();
    try {
        fixtures::ClipSettings clipSettings = fixtures::ClipFor(argv[1]);
        for (int i = 3; i + 1 < argc; i += 2)
            Apply(clipSettings, argv[i], argv[i + 1]);
        fixtures::MakeClip(argv[2], clipSettings);
    } catch (const std::exception& problem) {
        std::fprintf(stderr, "fixturegen: %s\n", problem.what());
        return 1;
    }
    return 0;
}
