// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FileList.h"
#include "cli/ProgressDisplay.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(FileList, ReadsOnePathALine)
{
    std::istringstream in("a.avi\r\n\n/v/b c.avi\nlast.avi");
    EXPECT_EQ(ReadFileList(in), (std::vector<std::string>{"a.avi", "/v/b c.avi", "last.avi"}));
}

TEST(FileList, SharesCoverTheSortedListOnceAndKeepNamesThatMeetTogether)
{
    // Ten files given out of order, one of them twice under two spellings.
    std::vector<std::string> files{"/v/e.avi", "/v/b.avi", "/v/x/clip.avi", "/v/a.avi", "/v/clip-1.avi",
                                   "/v/d.avi", "/v/y/clip.mov", "/v/c.avi", "/v/f.avi", "/v/g.avi", "/v/./b.avi"};
    std::vector<std::string> all;
    std::vector<std::vector<std::string>> shares;
    for (int index = 1; index <= 3; ++index) {
        shares.push_back(ShareOf(files, {index, 3}));
        EXPECT_TRUE(std::is_sorted(shares.back().begin(), shares.back().end()));
        all.insert(all.end(), shares.back().begin(), shares.back().end());
    }
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all.size(), 10u);
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    // Sorted: a b c clip-1 d e f g x/clip y/clip; "clip-1" heads no group of
    // its own once "clip" is there: groups a b c clip d e f g, every third.
    EXPECT_EQ(shares[0], (std::vector<std::string>{"/v/a.avi", "/v/clip-1.avi", "/v/f.avi", "/v/x/clip.avi", "/v/y/clip.mov"}));
    EXPECT_EQ(shares[1], (std::vector<std::string>{"/v/b.avi", "/v/d.avi", "/v/g.avi"}));
    EXPECT_EQ(shares[2], (std::vector<std::string>{"/v/c.avi", "/v/e.avi"}));
    EXPECT_EQ(ShareOf({"/v/a.avi"}, {2, 2}), std::vector<std::string>{});
}

TEST(ProgressDisplay, LinesTellWhatIsKnown)
{
    struct Case {
        int percent;
        double elapsed;
        int mediaSeconds;
        const char* line;
    };
    const Case cases[] = {
        {0, 0.5, 60, "clip.avi  0%"},
        {50, 2.0, 60, "clip.avi  50%  15.0x  0:02 left"},
        {25, 1.0, 0, "clip.avi  25%  0:03 left"},
        {10, 400.0, 7200, "clip.avi  10%  1.8x  1:00:00 left"},
        {100, 4.0, 60, "clip.avi  100%  15.0x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressLine("clip.avi", c.percent, c.elapsed, c.mediaSeconds).text(), c.line) << c.line;
}

// Display columns, not bytes or characters: a CJK character takes two, a
// combining accent none. A cut gives up the middle of the names, never a
// percentage, and never splits a character.
TEST(ProgressDisplay, LinesFitTheTerminalsColumnsByCuttingNames)
{
    EXPECT_EQ(DisplayWidth("clip.avi"), 8);
    EXPECT_EQ(DisplayWidth("漢字.avi"), 8);
    EXPECT_EQ(DisplayWidth("e\u0301t\u00e9"), 3);
    EXPECT_EQ(FitToColumns("short", 10), "short");
    EXPECT_EQ(FitToColumns("ééééééééé", 7), "éé...éé");
    EXPECT_EQ(FitToColumns("漢字漢字漢字漢字", 9), "漢...字");

    struct Case {
        std::vector<ProgressPart> parts;
        int columns;
        const char* line;
    };
    const Case cases[] = {
        {{{"clip.avi", "  50%"}}, 40, "clip.avi  50%"},
        {{{"a-very-long-file-name.avi", "  50%  2.0x  0:03 left"}}, 32, "a-v....avi  50%  2.0x  0:03 left"},
        {{{"漢字漢字漢字漢字漢字.avi", "  50%"}}, 16, "漢字....avi  50%"},
        {{{"first-long-name.avi", "  10%"}, {"second-long-name.avi", "  20%"}}, 36, "fir....avi  10%  |  seco....avi  20%"},
        {{{"short.avi", "  10%"}, {"a-much-longer-name.avi", "  20%"}}, 36, "short.avi  10%  |  a-mu...e.avi  20%"},
        // No room for a name: the percentage stays, what follows it goes.
        {{{"clip.avi", "  50%  2.0x  0:03 left"}}, 12, "  50%  2.0x "},
    };
    for (const Case& c : cases) {
        const std::string line = FitParts(c.parts, c.columns);
        EXPECT_EQ(line, c.line);
        EXPECT_LE(DisplayWidth(line), c.columns) << line;
    }
}

TEST(ProgressDisplay, ALogGetsOneWholeLinePerFileAndATerminalRedrawsInPlace)
{
    RowReport done{{"/v/clip.avi", {"", "", "", "MP4", "Done", "10"}, true}, {}, 1.5};
    done.row.outcome = RowOutcome::Done;
    RowReport failed{{"/v/bad.avi", {"", "", "", "MP4", "Failed", ""}, true},
                     {ReasonCode::EncoderError, "cannot read the input"}, 0.2};
    failed.row.outcome = RowOutcome::Failed;
    std::ostringstream log;
    ProgressDisplay logDisplay(log, ProgressStyle::Log, 80);
    logDisplay.progressed({ProgressLine("clip.avi", 50, 1.0, 60)});
    logDisplay.finished(done);
    logDisplay.finished(failed);
    EXPECT_EQ(log.str(), "clip.avi: Done\nbad.avi: Failed: cannot read the input\n");

    std::ostringstream terminal;
    ProgressDisplay terminalDisplay(terminal, ProgressStyle::Terminal, 80);
    terminalDisplay.progressed({ProgressLine("clip.avi", 50, 1.0, 60)});
    terminalDisplay.finished(done);
    EXPECT_EQ(terminal.str(), "\rclip.avi  50%  30.0x  0:01 left\rclip.avi: Done                 \n");

    std::ostringstream quiet;
    ProgressDisplay quietDisplay(quiet, ProgressStyle::Quiet, 80);
    quietDisplay.progressed({ProgressLine("clip.avi", 50, 1.0, 60)});
    quietDisplay.finished(done);
    EXPECT_EQ(quiet.str(), "");

    // Every row Done, or the counts of what is not.
    RowReport skipped = SkippedReport(done.row, 2, "/o/clip.mp4");
    RowReport unreached = ReportOf({"/v/gone.avi", {}, true}, 3, 0);
    EXPECT_EQ(ClosingLine({done, done}), "All Conversion Jobs Done!");
    EXPECT_EQ(ClosingLine({done, failed, skipped, skipped, unreached}),
              "1 file converted, 2 skipped, 1 failed, 1 not converted");
    EXPECT_EQ(TabLine(skipped), "/v/clip.avi\t\t\t\tMP4\tSkipped\t10\t2");
}

} // namespace
