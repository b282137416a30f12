#pragma once
// The conversion run: walks the job list from top to bottom and converts
// every checked row whose file still exists, one job at a time, through the
// runs the job planner gives (first attempt, thumbnail, retry); then shows
// the closing message or hands over to the power-off countdown. Runs on the
// worker thread and returns when done. A stop request is looked at before
// every step that would start an encoder. A PSP video that converted stays
// "Done" when its thumbnail cannot be made.
#include "core/cmdline/CommandLineBuilder.h"

class ConversionHost;
class EncoderRunner;
struct SharedState;

class ConversionQueue {
public:
    ConversionQueue(SharedState& shared, ConversionHost& host, EncoderRunner& runner);

    void Run();

private:
    void walk();
    // False when the walk must end here.
    bool convertRow(int rowIndex);
    // Builds one run's command line from the choices shown now. Throws when
    // the output folder cannot be created.
    BuildResult build(const JobInput& job);
    BuildResult buildThumbnail(const JobInput& job, const std::string& videoOutputPath);
    BuildResult checked(BuildResult result);
    void thumbnailMissing(int rowIndex);
    bool stopped() const;
    void endSteps();

    SharedState& shared_;
    ConversionHost& host_;
    EncoderRunner& runner_;
    CommandLineBuilder builder_;
    bool anyJobStarted_ = false;
};
