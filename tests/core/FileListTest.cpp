// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileList.h"

#include <gtest/gtest.h>

namespace {

struct WatchLog : FileListWatcher {
    std::string calls;
    void rowsAboutToBeInserted(int first, int) override { calls += "+" + std::to_string(first); }
    void rowsInserted() override {}
    void rowsAboutToBeRemoved(int first, int last) override { calls += "-" + std::to_string(first) + std::to_string(last); }
    void rowsRemoved() override {}
    void rowsChanged(int first, int last) override { calls += "~" + std::to_string(first) + std::to_string(last); }
};

// The conversion writes values; the Progress and Frames cells show them.
TEST(FileList, KeepsTheConversionsValuesAndShowsThemInTheCells)
{
    FileList files;
    WatchLog watch;
    files.setWatcher(&watch);
    FileRow added{"/v/a.avi", {"320 x 240", "25", "00:00:03", "MP4", "Done", "75"}, true, {ReasonCode::Stopped, "x"}};
    files.append(added);
    files.append({"/v/b.avi", {}, false});
    const auto cells = [&files] {
        const FileRow row = *files.row(0);
        return row.cell(FileColumn::Progress) + "|" + row.cell(FileColumn::Frames);
    };
    EXPECT_EQ(cells(), "|");
    EXPECT_TRUE(files.row(0)->reason.empty());
    EXPECT_EQ(files.row(0)->cell(FileColumn::Duration), "00:00:03");
    files.setPercent(0, 120);
    files.setFrames(0, 750);
    EXPECT_EQ(cells(), "100%|750");
    files.setOutcome(0, RowOutcome::Rescan);
    files.setFrames(0, std::nullopt); // a count the encoder gave as no number
    EXPECT_EQ(cells(), "Re-scan|");
    files.setOutcome(0, RowOutcome::Incomplete);
    EXPECT_EQ(files.row(0)->outcome, RowOutcome::Incomplete);
    EXPECT_EQ(cells(), "Incomplete|");
    files.setOutputTags("AVI");
    files.setAllChecked(true);
    files.setPercent(7, 50); // no such row: left alone
    EXPECT_EQ(files.rows()[1].cell(FileColumn::Output), "AVI");
    EXPECT_TRUE(files.rows()[1].checked);
    files.remove(0);
    EXPECT_EQ(files.row(0)->caption, "/v/b.avi");
    files.clear();
    EXPECT_EQ(files.size(), 0);
    EXPECT_EQ(watch.calls, "+0+1~00~00~00~00~00~01~01-00-00");
}

} // namespace
