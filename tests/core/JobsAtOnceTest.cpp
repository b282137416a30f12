// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/JobsAtOnce.h"
#include "core/cmdline/ConversionChoices.h"
#include "core/profiles/FormatSwitch.h"

#include <gtest/gtest.h>

namespace {

constexpr JobLoad One = JobLoad::OneCore;
constexpr JobLoad All = JobLoad::AllCores;

TEST(JobsAtOnce, WhetherTheNextJobStartsBesideTheRunningOnes)
{
    const struct {
        int jobs;
        int cores;
        std::vector<JobLoad> running;
        JobLoad next;
        bool starts;
        double idleCores = 0;
    } cases[] = {
        {1, 2, {}, One, true},
        {1, 2, {One}, One, false},
        {2, 2, {One}, All, true}, // a fixed number is what the user asked for
        {2, 2, {One, One}, One, false},
        {3, 2, {One, One}, One, true},
        {kAutoJobs, 2, {}, All, true},
        {kAutoJobs, 2, {One}, One, true},
        {kAutoJobs, 2, {One, One}, One, false}, // never more jobs than cores
        {kAutoJobs, 2, {All}, One, false},      // it fills the cores already
        {kAutoJobs, 2, {One}, All, false},      // it would fill them alone
        {kAutoJobs, 4, {One, One, One}, One, true},
        {kAutoJobs, 1, {One}, One, false},
        {kAutoJobs, 0, {One}, One, false}, // cores unknown: one at a time
        {kAutoJobs, 2, {All}, All, true, 0.9},  // a core measured idle beside it
        {kAutoJobs, 2, {All}, One, false, 0.2}, // not enough of one
        {kAutoJobs, 2, {All, All}, All, false, 1.5}, // never more jobs than cores
        {1, 2, {All}, One, false, 1.0},         // a fixed number stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MayStartJob(c.jobs, c.cores, c.running, c.next, c.idleCores), c.starts)
            << c.jobs << " jobs, " << c.cores << " cores, " << c.running.size() << " running";
    }
}

TEST(JobsAtOnce, WhatAJobAsksOfTheProcessor)
{
    const struct {
        int format;
        const char* codec; // nullptr: the format's own
        const char* size;  // nullptr: the format's own
        const char* ext;
        const char* source;
        JobLoad load;
    } cases[] = {
        {0, nullptr, nullptr, "mp4", "1920 x 1080", One}, // iPod MPEG-4 320 x 240
        {23, nullptr, nullptr, "mp3", "1920 x 1080", One},
        {13, nullptr, nullptr, "mp4", "640 x 352", One}, // PSP AVC 368 x 208
        {14, nullptr, nullptr, "mp4", "640 x 352", One}, // PS3 480P
        {15, nullptr, nullptr, "mp4", "640 x 352", All}, // PS3 720P
        {16, nullptr, nullptr, "mp4", "640 x 352", All}, // PS3 1080P
        {31, nullptr, nullptr, "mp4", "1920 x 1080", All},
        {31, nullptr, nullptr, "mp4", "640 x 360", One},
        {31, "H.265 (HEVC)", "854 x 480", "mp4", "1920 x 1080", One},
        {31, "AV1", "1280 x 720", "mp4", "640 x 360", All},
        {32, nullptr, nullptr, "webm", "1280 x 720", All},
        {33, nullptr, nullptr, "mp4", "1920 x 1080", One}, // copied streams
        {35, nullptr, nullptr, "gif", "1920 x 1080", One},
        {26, "H264", nullptr, "avi", "1280 x 720", All},
        {26, "H264", nullptr, "avi", "Unknown", One},
        {26, nullptr, nullptr, "avi", "1920 x 1080", One}, // MPEG-4
    };
    for (const auto& c : cases) {
        ConversionChoices choices = TakeChoices(ProfileStateFor(c.format), "50", "/out", false, "/app/");
        if (c.codec != nullptr)
            choices.videoCodec = c.codec;
        if (c.size != nullptr)
            choices.videoSize = c.size;
        EXPECT_EQ(LoadOf(choices, c.ext, c.source), c.load) << c.format << " " << choices.videoCodec << " "
                                                            << choices.videoSize << " from " << c.source;
    }
}

TEST(JobsAtOnce, TheSettingsTextIsANumberOfferedOrAuto)
{
    const struct {
        const char* text;
        std::optional<int> jobs;
    } cases[] = {{"1", 1}, {"2", 2}, {"8", 8}, {"auto", kAutoJobs}, {" AUTO ", kAutoJobs},
                 {"0", std::nullopt}, {"9", std::nullopt}, {"12", std::nullopt}, {"two", std::nullopt},
                 {"", std::nullopt}, {"-1", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseJobsAtOnce(c.text), c.jobs) << c.text;
        if (c.jobs) {
            EXPECT_EQ(ParseJobsAtOnce(JobsAtOnceText(*c.jobs)), c.jobs) << c.text;
        }
    }
}

} // namespace
