#pragma once
// BuildCommandLine: one job (one row of the file list) and a snapshot of the
// choices become the encoder's complete command line and the job's output
// path. The builder owns the piece set and OutputFilePath between calls; the
// conversion queue owns ThumbnailPending (the builder sets it for the PSP
// formats, the queue clears it) and RetryPending (the builder only reads it).
//
// The queue's calls for one row:
//   thumbnailPending = false;
//   first  = BuildCommandLine(choices, {path, size, ext, FirstAttemptOptions(path)});
//   ... run first.commandLine when the row is checked and its file exists ...
//   if (thumbnailPending && !retryPending)   // the PSP thumbnail run
//       BuildCommandLine(choices, same job)  -> the ".THM" command line
//   if (retryPending)                        // delete OutputFilePath() first
//       BuildCommandLine(choices, {path, size, ext, SecondAttemptOptions(path, first options)})
//       ... run, retryPending = false, then the thumbnail call if thumbnailPending
//
// Runs on whichever thread the queue uses; it touches no widget. When a
// result asks for it (resetMute) the caller selects "False" in the mute list.
#include "core/cmdline/ConversionChoices.h"
#include "core/cmdline/FormatAssembly.h"
#include "core/cmdline/InputOptions.h"

#include <atomic>
#include <functional>
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
    std::string inputPath;  // the row's caption, surrounding blanks removed
    std::string sourceSize; // the row's "Video Size" cell ("640 x 352", "0 x 0", "Unknown")
    std::string outputExt;  // OutputExt: the row's Output cell, trimmed, in lower case
    InputOptions options;   // UseAltReader and ForceQuickTimeInput
};

struct BuildResult {
    enum class Status {
        Built,          // commandLine is the line to run
        NoAssembly,     // the format index is a separator or outside the list: no line
        DirectoryError, // the output directory could not be created; error is kDirectoryCreateError
        UnsafePath,     // the encoder's, the input's or the output directory's path holds a double quote
    };
    Status status = Status::Built;
    std::string commandLine;
    std::string error;      // the message for DirectoryError and UnsafePath
    bool resetMute = false; // mute was "True" for an audio-only output: select "False" again

    bool ok() const { return status == Status::Built; }
};

// What the builder may do on disk.
struct BuilderDisk {
    // Create a missing output directory (one level). A dry run turns this
    // off: nothing on disk changes.
    bool createDirectory = true;
    // Output paths to count as existing besides the files on disk, e.g. the
    // outputs a dry run's earlier jobs would have written.
    std::function<bool(const std::string& path)> alsoTaken;
};

class CommandLineBuilder {
public:
    CommandLineBuilder(std::atomic<bool>& thumbnailPending, const std::atomic<bool>& retryPending,
                       BuilderDisk disk = BuilderDisk());

    // Builds the command line of one run. With ThumbnailPending set and
    // RetryPending clear it is the thumbnail run of the recorded video;
    // otherwise the format's run, which records OutputFilePath (numbered when
    // the name is taken and overwriting is off, and always when it would name
    // the input itself). On DirectoryError and UnsafePath nothing changes:
    // no directory, piece, path or flag.
    BuildResult BuildCommandLine(const ConversionChoices& choices, const JobInput& job);

    // The output file of the job's video run, as the last format run recorded it.
    const std::string& OutputFilePath() const { return outputFilePath_; }

    // The pieces of the last build.
    const PieceSet& Pieces() const { return pieces_; }

private:
    bool Taken(const std::string& path) const;
    std::string ChooseOutputPath(const ConversionChoices& choices, const std::string& dir, const JobInput& job) const;

    std::atomic<bool>& thumbnailPending_;
    const std::atomic<bool>& retryPending_;
    BuilderDisk disk_;
    PieceSet pieces_;
    std::string outputFilePath_;
};
