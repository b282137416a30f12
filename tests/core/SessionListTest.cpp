// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SessionList.h"
#include "core/Texts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

FileRow Row(const std::string& caption, RowOutcome outcome, const std::string& progress)
{
    FileRow row{.caption = caption, .cells = {"640 x 352", "25", "00:01:30", "MP4", progress, ""}};
    row.outcome = outcome;
    return row;
}

TEST(SessionList, EveryKeptValueComesBackThroughTheFile)
{
    FileRow odd = Row("/v/tab\there\nnew\\line.avi", RowOutcome::Failed, "Failed");
    odd.checked = false;
    odd.reason = {ReasonCode::EncoderError, "error: bad\tthing"};
    odd.frames = 1234;
    odd.displayAspect = "16:9";
    odd.storedSize = "1280 x 720";
    odd.rotation = 90;
    odd.interlaced = true;
    odd.outputPath = "/out/clip.mp4";
    const SavedSession session{{Row("/v/a.avi", RowOutcome::Done, "Done"), odd}, true};
    const auto back = DecodeSession(EncodeSession(session));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->closed);
    ASSERT_EQ(back->rows.size(), 2u);
    const FileRow& row = back->rows[1];
    EXPECT_EQ(row.caption, odd.caption);
    EXPECT_EQ(row.cells, odd.cells);
    EXPECT_EQ(row.checked, false);
    EXPECT_EQ(row.reason, odd.reason);
    EXPECT_EQ(row.frames, 1234);
    EXPECT_EQ(row.displayAspect, "16:9");
    EXPECT_EQ(row.storedSize, "1280 x 720");
    EXPECT_EQ(row.rotation, 90);
    EXPECT_TRUE(row.interlaced);
    EXPECT_EQ(row.outcome, RowOutcome::Failed);
    EXPECT_EQ(row.outputPath, "/out/clip.mp4");
}

TEST(SessionList, ADamagedFileIsNoList)
{
    const std::string good = EncodeSession({{Row("/v/a.avi", RowOutcome::Done, "Done")}, false});
    for (const std::string& text : {std::string(), std::string("something else\n"), good + "1\tshort\n",
                                    good.substr(0, good.size() - 10) + "\tx\n"})
        EXPECT_FALSE(DecodeSession(text)) << text;
    EXPECT_TRUE(DecodeSession(good));
}

TEST(SessionList, OnlyTheJobUnderWayReadsNotConverted)
{
    const auto rows = RestoredRows({Row("/a", RowOutcome::Done, "Done"), Row("/b", RowOutcome::None, "42%"),
                                    Row("/c", RowOutcome::Rescan, "Re-scan"), Row("/d", RowOutcome::None, ""),
                                    Row("/e", RowOutcome::Aborted, "Aborted")});
    const char* progress[] = {texts::kDone, texts::kNotConverted, texts::kNotConverted, "", texts::kAborted};
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(rows[row].cell(FileColumn::Progress), progress[row]) << row;
    EXPECT_EQ(rows[1].reason.code, ReasonCode::Interrupted);
    EXPECT_EQ(rows[0].outcome, RowOutcome::Done);
}

TEST(SessionList, TheFileIsWrittenWholeAndAnEmptyListLeavesNone)
{
    TempDir dir;
    const SessionFile file(dir.dir() + "state/");
    ASSERT_TRUE(file.save({{Row("/v/a.avi", RowOutcome::Done, "Done")}, false}));
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.load()->rows.size(), 1u);
    EXPECT_EQ(NamesIn(dir.path() / "state"), std::vector<std::string>{"last-session.list"});
    ASSERT_TRUE(file.save({{}, true}));
    EXPECT_TRUE(NamesIn(dir.path() / "state").empty());
}

} // namespace
