// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output check for runs of the stand-in encoder, whose outputs are not
// media: an output is good when it is there and not empty. A test may say
// how long outputs last. The check with the media libraries is tested on
// real files in the media tests.
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
        std::error_code error;
        const auto size = std::filesystem::file_size(check.outputPath, error);
        if (error)
            return {false, {ReasonCode::OutputMissing, "no output file was written"}, seconds};
        if (size == 0)
            return {false, {ReasonCode::OutputUnreadable, "the output is empty"}, seconds};
        return {true, {}, seconds, unstated};
    }
    std::vector<OutputCheck> checks() const
    {
        std::lock_guard guard(lock_);
        return checks_;
    }

    double seconds = 0; // how long every output lasts; 0 unknown
    double unstated = 0; // how much longer every source lasts than its header says

private:
    mutable std::mutex lock_;
    std::vector<OutputCheck> checks_;
};
