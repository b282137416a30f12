#pragma once
// The output check for runs of the stand-in encoder, whose outputs are not
// media: an output is good when it is there and not empty. A test may make
// every check find a problem, or say how long the outputs last. The check
// with the media libraries is tested on real files in the media tests.
#include "core/OutputVerifier.h"

#include <filesystem>
#include <mutex>
#include <vector>

class StandInVerifier : public OutputVerifier {
public:
    OutputFinding verify(const OutputCheck& check) override
    {
        std::lock_guard guard(lock_);
        checks_.push_back(check);
        OutputFinding finding;
        std::error_code error;
        const auto size = std::filesystem::file_size(check.outputPath, error);
        finding.good = !error && size > 0 && problem.empty();
        finding.problem = !problem.empty() ? problem : error ? "no output file was written" : "the output is empty";
        finding.seconds = seconds;
        return finding;
    }

    std::vector<OutputCheck> checks() const
    {
        std::lock_guard guard(lock_);
        return checks_;
    }

    std::string problem; // found in every output when set
    double seconds = 0;  // how long every output lasts; 0 unknown

private:
    mutable std::mutex lock_;
    std::vector<OutputCheck> checks_;
};
