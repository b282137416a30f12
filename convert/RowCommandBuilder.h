#pragma once
// Builds the encoder command line for one run of one row, from the option
// choices that the window (or the command line) shows at that moment.
#include "media/FileRow.h"

#include <string>

struct ConversionState;

struct BuildRequest {
    bool UseAltReader = false;        // read the input through the encoder's alternative reader
    bool ForceQuickTimeInput = false; // read the input as QuickTime
    std::string inputPath;            // the row's caption without surrounding blanks
    int rowIndex = 0;
    FileRow row;
};

struct BuiltCommand {
    std::string commandLine;
    // The input path cannot be handed to the encoder safely; nothing was built.
    bool refusedPath = false;
};

class RowCommandBuilder {
public:
    virtual ~RowCommandBuilder() = default;
    // Records the output path and whether a thumbnail run is due in `state`
    // (reading OutputExt, ThumbnailPending and RetryPending from it). Throws
    // when the output folder cannot be created, which ends the whole run.
    virtual BuiltCommand build(const BuildRequest& request, ConversionState& state) = 0;
};
