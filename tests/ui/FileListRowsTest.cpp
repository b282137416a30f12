// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "media/MeasureFile.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

class FileListRows : public ::testing::Test {
protected:
    // A measured file's row as the window adds it: tagged with the format selected now.
    void AddFileRow(MainWindow& window, const std::string& path, const std::string& size, const std::string& frameRate,
                    const std::string& duration)
    {
        app.files().append(MakeFileRow(path, size, frameRate, duration, window.formatIndex()));
    }
    QString cell(int row, int column) const { return CellText(form, row, column); }
    bool ticked(int row) const { return CheckState(form, row) == Qt::Checked; }

    TempDir appDir;
    FakeMessages messages;
    Application app{appDir.dir(), messages};
    MainWindow& form = app.mainWindow();
};

TEST_F(FileListRows, ARowHoldsItsTextsUnchangedAndTheSelectedFormatsTag)
{
    AddFileRow(form, " /v/clip.avi ", "640 x 352", "25", "00:01:30");
    ASSERT_EQ(RowCount(form), 1);
    EXPECT_EQ(cell(0, 0), " /v/clip.avi ");
    EXPECT_EQ(cell(0, 1), "640 x 352");
    EXPECT_EQ(cell(0, 2), "25");
    EXPECT_EQ(cell(0, 3), "00:01:30");
    EXPECT_EQ(cell(0, 4), "MP4");
    EXPECT_EQ(cell(0, 5), "");
    EXPECT_EQ(cell(0, 6), "");
    EXPECT_TRUE(ticked(0));
    EXPECT_EQ(CellIndex(form, 0, 2).data(Qt::TextAlignmentRole).toInt(), Qt::AlignCenter);
}

TEST_F(FileListRows, TheVideoSizeCellShowsTheStoredSizeAndKeepsTheDisplayAspect)
{
    FileRow dvd;
    dvd.caption = "/v/dvd.vob";
    dvd.cell(FileColumn::VideoSize) = "720 x 480";
    dvd.displayAspect = "16:9";
    dvd.interlaced = true;
    app.files().append(dvd);
    AddFileRow(form, "/v/clip.avi", "640 x 352", "25", "00:01:30");
    EXPECT_EQ(cell(0, 1), "720 x 480");
    EXPECT_EQ(Hint(form, 0, 1).toStdString(), dvd.pictureNote());
    EXPECT_EQ(Hint(form, 1, 1), "");
    EXPECT_EQ(app.files().row(0)->displayAspect, "16:9");
    EXPECT_EQ(app.files().row(1)->displayAspect, "");
}

TEST_F(FileListRows, TheTagIsTheFormatSelectedWhenTheRowIsAdded)
{
    const struct {
        const char* format;
        const char* tag;
    } cases[] = {
        {"PS3 Video(720P) (*.mp4)", "MP4"},
        {"Zune WMV Windows Media Video (*.wmv)", "WMV"},
        {"3G2 - 3rd Generation Partnership Project 2 (*.3g2)", "3G2"},
        {"MP3 - Mpeg Layer3 Audio File (*.mp3)", "MP3"},
        {"MPEG - Mpeg Movie File (*.mpg)", "MPG"},
    };
    int row = 0;
    for (const auto& item : cases) {
        Find<QComboBox>(form, "ComboOutputFormat")->setCurrentIndex(Find<QComboBox>(form, "ComboOutputFormat")->findText(item.format));
        AddFileRow(form, "/v/a.avi", "0 x 0", "0", "00:00:10");
        EXPECT_EQ(cell(row++, 4), item.tag) << item.format;
    }
}

TEST_F(FileListRows, AddingARowTicksOnlyTheNewRow)
{
    AddFileRow(form, "/v/a.avi", "Unknown", "", "");
    AddFileRow(form, "/v/b.avi", "Unknown", "", "");
    SetCheckState(form, 0, Qt::Unchecked);
    AddFileRow(form, "/v/c.avi", "Unknown", "", "");
    EXPECT_FALSE(ticked(0));
    EXPECT_TRUE(ticked(1));
    EXPECT_TRUE(ticked(2));
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(cell(2, 3), "");
}

} // namespace
