// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// BuildCommandLine: one job (one row of the file list) and a snapshot of the
// choices become the encoder's complete command line, the job's output path
// and whether a thumbnail run is due after it (the PSP formats). The
// thumbnail run's line is built from the video's output path. Nothing is
// kept between calls; the job planner says which run comes next.
//
// Runs on whichever thread the queue uses; it touches no widget. When a
// result asks for it (resetMute) the caller selects "False" in the mute list.
#include "core/cmdline/ConversionChoices.h"
#include "core/cmdline/FormatAssembly.h"
#include "core/cmdline/InputOptions.h"
#include "core/CropArea.h"
#include "core/TrimRange.h"
#include "core/OutputVerifier.h"

#include <functional>
#include <optional>
#include <string>

// The message when the output directory cannot be created (a line feed and a carriage return inside).
inline constexpr const char* kDirectoryCreateError =
    "Fail to create directory. Please choose a different directory \n\rand give the directory a new name";

// The message start when a path holds a double quote; the path follows.
inline constexpr const char* kQuotedPathError =
    "A path holding a double quote (\") cannot be passed to the encoder: ";

// Whether the output extension ("mp3", "aac", ...) names an audio-only file.
bool IsAudioOnlyOutput(const std::string& outputExt);

// One job as the queue hands it over.
struct JobInput {
    std::string inputPath;  // the row's caption, exactly
    std::string sourceSize; // the row's "Video Size" cell ("640 x 352", "0 x 0", "Unknown")
    std::string outputExt;  // OutputExt: the row's Output cell, trimmed, in lower case
    InputOptions options;   // UseAltReader and ForceQuickTimeInput
    std::string displayAspect = {}; // the row's display aspect ("16:9") when its pixels are not square
    // A pass of a two-pass encode: 1 or 2 (0: one pass), and where the
    // encoder's statistics files' names start.
    int pass = 0;
    std::string passStatistics = {};
    TrimRange trim = {};                     // the row's: the part of the file converted
    std::optional<CropArea> measuredCrop = {}; // the row's borders found, for Crop "Auto"
};

struct BuildResult {
    enum class Status {
        Built,          // commandLine is the line to run
        NoAssembly,     // the format index is a separator or outside the list: no line
        DirectoryError, // the output directory could not be created; error is kDirectoryCreateError
        UnsafePath,     // the encoder's folder holds a double quote
    };
    Status status = Status::Built;
    std::string commandLine;
    std::string outputPath;    // the file the run writes (the video's, for a format run)
    bool thumbnailDue = false; // the format adds a thumbnail run after the video
    bool keepsVideo = false;   // a format run: the output is to hold the input's picture
    bool keepsAudio = false;   // and its sound (not muted, not a silent format)
    OutputPromises promises;   // and what more of the input it keeps
    std::string error;         // the message for DirectoryError and UnsafePath
    std::string cause;         // DirectoryError: why, in the system's words ("Permission denied")
    bool resetMute = false;    // mute was "True" for an audio-only output: select "False" again

    bool ok() const { return status == Status::Built; }
};

// What the builder may do on disk.
struct BuilderDisk {
    // Create a missing output directory (one level). A dry run turns this
    // off: nothing on disk changes.
    bool createDirectory = true;
    // Paths no job may write, whatever the overwrite option says: the inputs
    // of the list's rows and the outputs of this run's earlier jobs. They
    // are numbered past like the job's own input.
    std::function<bool(const std::string& path)> reserved;
};

// The format's run. Its output path is numbered when the name is taken and
// overwriting is off, and always when it would name the input itself or a
// reserved path. On DirectoryError and UnsafePath nothing is created.
BuildResult BuildCommandLine(const ConversionChoices& choices, const JobInput& job,
                             const BuilderDisk& disk = BuilderDisk());

// The thumbnail run of the video written to `videoOutputPath`.
BuildResult BuildThumbnailCommandLine(const ConversionChoices& choices, const JobInput& job,
                                      const std::string& videoOutputPath, const BuilderDisk& disk = BuilderDisk());

// The format's line for the job, made to write instead a PNG picture of its
// output at `seconds` (counted from the trim's start) to `picturePath`: the
// picture a conversion would make, as a player shows it. Nothing is created
// on disk. Only a result that keepsVideo has a picture to show.
BuildResult BuildPreviewCommandLine(const ConversionChoices& choices, const JobInput& job, double seconds,
                                    const std::string& picturePath);

// The command line with its output argument (its last, `from` quoted)
// naming `to` instead; nothing when the line does not end so.
std::optional<std::string> WithOutputPath(const std::string& commandLine, const std::string& from,
                                          const std::string& to);
