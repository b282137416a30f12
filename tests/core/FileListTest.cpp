#include "core/FileList.h"

#include <gtest/gtest.h>

namespace {

struct WatchLog : FileListWatcher {
    std::vector<std::string> calls;
    void rowsAboutToBeInserted(int first, int last) override { note("insert", first, last); }
    void rowsInserted() override { calls.push_back("inserted"); }
    void rowsAboutToBeRemoved(int first, int last) override { note("remove", first, last); }
    void rowsRemoved() override { calls.push_back("removed"); }
    void rowsChanged(int first, int last) override { note("changed", first, last); }
    void note(const std::string& what, int first, int last)
    {
        calls.push_back(what + " " + std::to_string(first) + "-" + std::to_string(last));
    }
};

// The conversion writes values; the Progress and Frames cells show them.
TEST(FileList, KeepsTheConversionsValuesAndShowsThemInTheCells)
{
    FileList files;
    WatchLog watch;
    files.setWatcher(&watch);
    FileRow added{"/v/a.avi", {"320 x 240", "25", "00:00:03", "MP4", "Done", "75"}, true};
    added.reason = {ReasonCode::Stopped, "stopped"};
    files.append(added);
    files.append({"/v/b.avi", {}, false});
    const FileRow fresh = *files.row(0);
    EXPECT_EQ(fresh.cell(FileColumn::Progress), "");
    EXPECT_EQ(fresh.cell(FileColumn::Frames), "");
    EXPECT_TRUE(fresh.reason.empty());
    EXPECT_EQ(fresh.cell(FileColumn::Duration), "00:00:03");

    files.setPercent(0, 120);
    files.setFrames(0, 750);
    EXPECT_EQ(files.row(0)->cell(FileColumn::Progress), "100%");
    EXPECT_EQ(files.row(0)->cell(FileColumn::Frames), "750");
    EXPECT_EQ(files.row(0)->outcome, RowOutcome::None);
    files.setOutcome(0, RowOutcome::Rescan);
    files.setFrames(0, std::nullopt); // a count the encoder gave as no number
    EXPECT_EQ(files.row(0)->cell(FileColumn::Progress), "Re-scan");
    EXPECT_EQ(files.row(0)->cell(FileColumn::Frames), "");
    EXPECT_FALSE(files.row(0)->frames);
    files.setOutcome(0, RowOutcome::Incomplete);
    EXPECT_EQ(files.row(0)->outcome, RowOutcome::Incomplete);
    EXPECT_EQ(files.row(0)->cell(FileColumn::Progress), "Incomplete");

    files.setOutputTags("AVI");
    files.setAllChecked(true);
    files.setPercent(7, 50); // no such row: left alone
    EXPECT_EQ(files.rows()[1].cell(FileColumn::Output), "AVI");
    EXPECT_TRUE(files.rows()[1].checked);
    files.remove(0);
    EXPECT_EQ(files.row(0)->caption, "/v/b.avi");
    files.clear();
    EXPECT_EQ(files.size(), 0);
    EXPECT_EQ(watch.calls, (std::vector<std::string>{"insert 0-0", "inserted", "insert 1-1", "inserted", "changed 0-0",
                                                     "changed 0-0", "changed 0-0", "changed 0-0", "changed 0-0",
                                                     "changed 0-1", "changed 0-1", "remove 0-0", "removed",
                                                     "remove 0-0", "removed"}));
}

} // namespace
