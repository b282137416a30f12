#pragma once
// The conversion run: walks the job list from top to bottom and converts
// every checked row whose file still exists, one job at a time, retrying a
// failed job once with other input options and adding the thumbnail run of
// the PSP formats; then shows the closing message or hands over to the
// power-off countdown. Runs on the worker thread and returns when done.
#include "core/cmdline/CommandLineBuilder.h"

#include <string>

class ConversionHost;
class EncoderRunner;
struct ConversionState;
struct SharedState;

class ConversionQueue {
public:
    ConversionQueue(SharedState& shared, ConversionState& state, ConversionHost& host, EncoderRunner& runner);

    void Run();

private:
    void walk();
    // False when the walk must end here.
    bool convertRow(int rowIndex);
    void runThumbnail(const JobInput& job, int rowIndex);
    // Builds one run's command line from the choices shown now. Throws when
    // the output folder cannot be created.
    BuildResult build(const JobInput& job);
    void endSteps();

    SharedState& shared_;
    ConversionState& state_;
    ConversionHost& host_;
    EncoderRunner& runner_;
    CommandLineBuilder builder_;
};
