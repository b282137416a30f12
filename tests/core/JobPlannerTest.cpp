// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/JobPlanner.h"

#include <gtest/gtest.h>

namespace {

// Walks a job through the planner: `retries` says, run by run, whether the
// run asked for another attempt; every attempt's command line says
// `thumbnailDue`. Returns the runs as letters: F first, S second, T thumbnail;
// "!" marks a run whose failure is final.
std::string Walk(const std::string& input, bool thumbnailDue, std::vector<bool> retries)
{
    JobPlanner plan(input);
    std::string runs;
    std::size_t at = 0;
    for (auto run = plan.next(); run; run = plan.next()) {
        runs += run->kind == RunKind::FirstAttempt ? 'F' : run->kind == RunKind::SecondAttempt ? 'S' : 'T';
        runs += run->options.useAltReader ? "a" : run->options.forceQuickTimeInput ? "q" : "";
        runs += plan.retryLeft() ? "" : "!";
        const bool retry = at < retries.size() && retries[at];
        ++at;
        plan.finished(retry, thumbnailDue);
    }
    return runs;
}

TEST(JobPlanner, GivesTheRunsOfAJobInTheQueuesOrder)
{
    const struct {
        const char* input;
        bool thumbnailDue;
        std::vector<bool> retries;
        const char* runs;
    } cases[] = {
        {"a.avi", false, {false}, "F"},
        {"a.avi", false, {true, false}, "FSa!"},
        {"a.avi", false, {true, true}, "FSa!"},         // one retry only
        {"a.rmvb", false, {true}, "FaS!"},              // RealMedia starts with the other reader
        {"a.mov", false, {true}, "FSq!"},               // and a .mov is retried as QuickTime
        {"a.avi", true, {false, false}, "FT!"},         // the PSP thumbnail after a good video
        {"a.avi", true, {true, false, false}, "FSa!Ta!"}, // after a failed one, behind the retry
        {"a.avi", true, {false, true, false, false}, "FT!"}, // a failed thumbnail never converts again
        {"a.avi", true, {true, true, true}, "FSa!Ta!"}, // the retry's thumbnail comes whatever its outcome
    };
    for (const auto& c : cases)
        EXPECT_EQ(Walk(c.input, c.thumbnailDue, c.retries), c.runs) << c.input << " " << c.thumbnailDue;
}

} // namespace
