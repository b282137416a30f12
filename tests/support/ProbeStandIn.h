#pragma once
// A stand-in for the encoder: a shell script named like the encoder in a
// temporary AppDir. It records the arguments of every run and prints what
// the test scripted, one text for a plain probe and one for a probe through
// the alternative reader ("DS:\\" before the path).
#include "core/EncoderName.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class StandInEncoder {
public:
    // `plain` and `altReader` are printed as they are.
    StandInEncoder(const std::string& plain, const std::string& altReader)
    {
        dir_.write("plain.txt", plain);
        dir_.write("alt.txt", altReader);
        script("case \"$4\" in DS:*) cat \"$HERE/alt.txt\";; *) cat \"$HERE/plain.txt\";; esac\n");
    }

    // Replaces what the encoder does; $4 is its input argument and $HERE
    // its folder.
    void script(const std::string& body)
    {
        const auto path = dir_.write(kEncoderName, "#!/bin/sh\nHERE='" + dir_.path().string()
                                                       + "'\nprintf '%s\\n' \"$#\" \"$@\" >> \"$HERE/calls.txt\"\n" + body);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }

    const std::string appDir() const { return dir_.dir(); }
    std::filesystem::path file(const std::string& name) const { return dir_.path() / name; }

    // The arguments of each run, in order.
    std::vector<std::vector<std::string>> calls() const
    {
        std::vector<std::vector<std::string>> runs;
        std::ifstream in(dir_.path() / "calls.txt");
        std::string line;
        while (std::getline(in, line)) {
            std::vector<std::string> args(static_cast<std::size_t>(std::stoi(line)));
            for (auto& arg : args)
                std::getline(in, arg);
            runs.push_back(args);
        }
        return runs;
    }

private:
    TempDir dir_;
};

inline constexpr const char* kClipDescription = "Input #0, avi, from '/videos/clip.avi':\n"
                                                "  Duration: 00:01:23.45, start: 0.000000, bitrate: 2265 kb/s\n"
                                                "    Stream #0.0: Video: mpeg4, 320x240, 25.00 fps\n"
                                                "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, 128 kb/s\n";
