// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TimeLeft.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

enum class Step { Run, SecondAttempt, Thumbnail, Report, End, Expect };

struct Event {
    double at;
    Step step;
    int job = 0;
    int value = 0; // Report: the percent; Expect: the seconds left, or kNone
};

constexpr int kNone = -1;

struct Scenario {
    const char* name;
    std::vector<double> durations;
    std::vector<Event> events;
};

// Timelines of reports, with the time left expected along them.
const Scenario kScenarios[] = {
    {"one job after another: 2 s to the first report, 2.5 s of media a second; the tail as long as the head until "
     "a job has ended, then as the tails so far, running down to a tenth",
     {100, 100},
     {{0, Step::Run},
      {1, Step::Expect, 0, kNone},
      {2, Step::Report, 0, 10},
      {2.5, Step::Expect, 0, kNone},
      {10, Step::Report, 0, 30},
      {10, Step::Expect, 0, 28 + 2 + 40 + 2},
      {38, Step::Report, 0, 100},
      {39, Step::Expect, 0, 1 + 40 + 2},
      {42, Step::End, 0},
      {42, Step::Expect, 0, 40 + 4},
      {42, Step::Run, 1},
      {44, Step::Expect, 0, 38 + 4},
      {62, Step::Report, 1, 50},
      {62, Step::Expect, 0, 20 + 4},
      {82, Step::Report, 1, 100},
      {84, Step::Expect, 0, 2},
      {90, Step::Expect, 0, 0}}},
    {"the pace of the later half follows a machine that got slower",
     {100},
     {{0, Step::Run},
      {2, Step::Report, 0, 10},
      {10, Step::Report, 0, 30},
      {20, Step::Report, 0, 40},
      {30, Step::Report, 0, 50},
      {30, Step::Expect, 0, 50 + 2}}},
    {"two jobs at once share the machine (1.5 s of media a second each, 3 together); the last runs alone at 3",
     {60, 60, 60},
     {{0, Step::Run, 0},
      {0, Step::Run, 1},
      {2, Step::Report, 0, 10},
      {2, Step::Report, 1, 10},
      {18, Step::Report, 0, 50},
      {18, Step::Report, 1, 50},
      {18, Step::Expect, 0, 11 + 11 + 21},
      {38, Step::Report, 0, 100},
      {38, Step::Report, 1, 100},
      {40, Step::End, 0},
      {40, Step::End, 1},
      {40, Step::Run, 2},
      {42, Step::Report, 2, 10},
      {48, Step::Report, 2, 40},
      {48, Step::Expect, 0, 12 + 1}}},
    {"a second attempt starts the job's work afresh; a thumbnail run ends its encoding",
     {100},
     {{0, Step::Run},
      {2, Step::Report, 0, 10},
      {10, Step::Report, 0, 30},
      {10, Step::SecondAttempt},
      {10, Step::Expect, 0, kNone},
      {14, Step::Report, 0, 20},
      {14, Step::Expect, 0, 24 + 3},
      {40, Step::Thumbnail},
      {40, Step::Expect, 0, 3},
      {42, Step::Expect, 0, 1}}},
};

TEST(TimeLeft, FollowsTheReportsOfEachScenario)
{
    for (const Scenario& scenario : kScenarios) {
        TimeLeft batch(scenario.durations, 0);
        for (const Event& event : scenario.events) {
            switch (event.step) {
            case Step::Run:
                batch.runStarted(event.job, 1, false, event.at);
                break;
            case Step::SecondAttempt:
                batch.runStarted(event.job, 2, false, event.at);
                break;
            case Step::Thumbnail:
                batch.runStarted(event.job, 1, true, event.at);
                break;
            case Step::Report:
                batch.progressed(event.job, event.value, event.at);
                break;
            case Step::End:
                batch.jobEnded(event.job, event.at);
                break;
            case Step::Expect:
                EXPECT_EQ(batch.secondsLeft(event.at),
                          event.value == kNone ? std::nullopt : std::optional<int>(event.value))
                    << scenario.name << ", at " << event.at << " s";
                break;
            }
        }
    }
}

} // namespace
