// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line tool's arguments: one mode and the conversion choices.
#include "core/TrimRange.h"
#include "core/profiles/OptionList.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// An option that selects an entry of one option list, e.g. --video-bitrate "1200 Kbps".
struct ListChoiceOption {
    const char* name;
    OptionList OptionLists::*list;
};

inline constexpr std::array<ListChoiceOption, 11> kListChoiceOptions{{
    {"--video-codec", &OptionLists::videoCodec},
    {"--video-size", &OptionLists::videoSize},
    {"--video-bitrate", &OptionLists::videoBitrate},
    {"--frame-rate", &OptionLists::videoFramerate},
    {"--hdr", &OptionLists::hdr},
    {"--audio-codec", &OptionLists::audioCodec},
    {"--audio-bitrate", &OptionLists::audioBitrate},
    {"--sampling-rate", &OptionLists::samplingRate},
    {"--channels", &OptionLists::audioChannel},
    {"--letterbox", &OptionLists::letterBox},
    {"--mute", &OptionLists::muteAudio},
}};

enum class CliMode { None, Help, Version, ListFormats, ShowProfile, DryRun, Analyze, Convert, Preview };

// --shard K/N: the K-th of N shares of the file list (1 <= K <= N).
struct Shard {
    int index = 1;
    int count = 1;
};

struct CliOptions {
    CliMode mode = CliMode::None;
    int profileFormat = 0; // --show-profile N

    // Choices, as the window would hold them.
    int format = 0;
    std::vector<std::pair<const ListChoiceOption*, std::string>> listChoices; // in the order given
    int volumePosition = 5;
    std::optional<std::string> outputDir; // nothing: the window's default
    bool overwrite = false;
    std::string audioLanguage; // --audio-language: the sound track one-track outputs prefer
    std::optional<std::string> loudness; // --loudness: "off", a level such as -16, or the list's entry
    bool folderCover = true;   // --no-folder-cover turns it off
    std::optional<long long> fitBytes; // --fit-size: each output at most this many bytes
    TrimRange trim;                    // --start, --end: the part of every file converted
    std::optional<std::string> crop;   // --crop: "None", "Auto", or an area W:H:X:Y
    double previewSeconds = 0;         // --preview: the moment shown, from the start
    // The Video Size cell; nothing: "0 x 0" for a dry run, measured when converting.
    std::optional<std::string> sourceSize;
    // With --source-size: the picture's display aspect ("16:9") when its
    // pixels are not square.
    std::string displayAspect;
    bool choicesGiven = false;

    int attempt = 1; // --attempt: which attempt's command lines a dry run prints
    std::vector<std::string> files;
    std::vector<std::string> listFiles; // --files-from, in the order given; "-" is standard input
    std::optional<Shard> shard;

    // How a conversion reports.
    bool quiet = false; // only the rows
    bool json = false;  // the rows as JSON objects
    bool skipExisting = false; // --skip-existing: files whose outputs are made are not converted
    // --jobs: files converted at the same time (1 to 8, or kAutoJobs).
    std::optional<int> jobsAtOnce;
};
