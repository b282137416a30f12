// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileList.h"
#include "core/cmdline/ConversionChoices.h"
#include "core/SharedState.h"
#include "support/FakeMessages.h"
#include "support/WindowControls.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/BusyLock.h"
#include "ui/FileListModel.h"
#include "ui/MainWindow.h"
#include "ui/ProfileView.h"
#include "support/WindowControls.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include "support/VolumeTable.h"

#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

// The main window's option lists as the application binds them, the format switch run once.
class ProfileWindow : public ::testing::Test {
protected:
    ProfileWindow()
    {
        view.switchFormat();
        QObject::connect(&form, &MainWindow::shown, [this] { view.switchFormat(); });
    }

    static void Pick(QComboBox* combo, int index) { ::Pick(combo, index); }
    static void Pick(QComboBox* combo, const QString& text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        Pick(combo, index);
    }

    void AddRow(const QString& path, const QString& tag, bool checked)
    {
        FileRow row{path.toStdString(), {}, checked};
        row.cell(FileColumn::Output) = tag.toStdString();
        files.append(row);
    }

    QStringList OutputCells() const
    {
        QStringList cells;
        for (int row = 0; row < RowCount(form); ++row)
            cells.append(CellText(form, row, FileColumn::Output));
        return cells;
    }

    SharedState state;
    FileList files;
    FileListModel model{files};
    MainWindow form{state, model};
    ProfileView view{form.profileControls(), files};
    FakeMessages messages;
    AdditionalOptionsDialog options{messages, &form};
    BusyLock busyLock{form, view, options};
};

TEST_F(ProfileWindow, CreationAppliesFormatZeroToTheLists)
{
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoCodec")->currentText(), "MPEG4");
    EXPECT_EQ(Items(Find<QComboBox>(form, "ComboVideoSize")), QStringList{"320 x 240"});
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "1500 Kbps");
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoFramerate")->currentText(), "Auto");
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioBitrate")->currentText(), "64 Kbps");
    EXPECT_EQ(Find<QComboBox>(form, "ComboSamplingRate")->currentText(), "44100 Hz");
    EXPECT_EQ(Find<QComboBox>(form, "ComboOutputFormat")->maxVisibleItems(), 25);
    EXPECT_EQ(view.state().selectedFormatIndex, 0);
}

TEST_F(ProfileWindow, SwitchingTo3gpSelectsMonoAndLetterbox)
{
    form.show();
    Pick(Find<QComboBox>(form, "ComboLetterBox"), "None");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 18);
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioChannel")->currentText(), "Mono");
    EXPECT_EQ(Find<QComboBox>(form, "ComboLetterBox")->currentText(), "LetterBox");
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioCodec")->currentText(), "amr_nb");
    EXPECT_EQ(Find<QComboBox>(form, "ComboSamplingRate")->currentText(), "8000  Hz");
    EXPECT_EQ(view.state().lists.audioChannel.selectedText(), "Mono");
}

TEST_F(ProfileWindow, From3gpToAacShowsStereoAndKeepsTheLetterbox)
{
    form.show();
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 18);
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 21);
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioChannel")->currentText(), "Stereo");
    EXPECT_EQ(Find<QComboBox>(form, "ComboLetterBox")->currentText(), "LetterBox");
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoCodec")->count(), 0);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoCodec")->currentIndex(), -1);
    EXPECT_TRUE(Find<QComboBox>(form, "ComboVideoCodec")->isEnabled());
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioCodec")->currentText(), "aac");
}

TEST_F(ProfileWindow, SeparatorBringsBackThePreviousFormatWithTheUsersChoices)
{
    form.show();
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 18);
    Pick(Find<QComboBox>(form, "ComboVideoBitrate"), "512 Kbps");
    Pick(Find<QComboBox>(form, "ComboAudioChannel"), "Stereo");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 20);
    EXPECT_EQ(Find<QComboBox>(form, "ComboOutputFormat")->currentIndex(), 18);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "512 Kbps");
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioChannel")->currentText(), "Stereo");
    const ProfileState& state = view.state();
    EXPECT_EQ(state.formatIndex, 18);
    EXPECT_EQ(state.lists.videoBitrate.selectedText(), "512 Kbps");
    EXPECT_EQ(state.lists.audioChannel.selectedText(), "Stereo");
}

TEST_F(ProfileWindow, SeparatorKeepsThePspFamily)
{
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 14);
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 17);
    EXPECT_EQ(view.state().profileFamily, "psp");
    EXPECT_EQ(Find<QComboBox>(form, "ComboOutputFormat")->currentIndex(), 14);
}

TEST_F(ProfileWindow, RowsOutputCellsFollowEachSwitch)
{
    form.show();
    AddRow("/videos/a.avi", "MP4", true);
    AddRow("/videos/b.avi", "MP4", false);
    AddRow("/videos/c.avi", "", true);
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 23);
    EXPECT_EQ(OutputCells(), (QStringList{"MP3", "MP3", "MP3"}));
    EXPECT_EQ(CellIndex(form, 2, 4).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 25);
    EXPECT_EQ(OutputCells(), (QStringList{"MP3", "MP3", "MP3"}));
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 10);
    EXPECT_EQ(OutputCells(), (QStringList{"WMV", "WMV", "WMV"}));
    EXPECT_EQ(CheckState(form, 1), Qt::Unchecked);
}

TEST_F(ProfileWindow, ASelectionMadeByCodeRunsNoSwitchUntilTheWindowIsShown)
{
    // As the settings load restores the format and the letterbox before the window shows.
    Find<QComboBox>(form, "ComboOutputFormat")->setCurrentIndex(12);
    Find<QComboBox>(form, "ComboLetterBox")->setCurrentIndex(0);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "1500 Kbps");
    form.show();
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "400 Kbps");
    EXPECT_EQ(Items(Find<QComboBox>(form, "ComboSamplingRate")), QStringList{"24000 Hz"});
    EXPECT_EQ(Find<QComboBox>(form, "ComboLetterBox")->currentText(), "None");
    EXPECT_EQ(view.state().profileFamily, "psp");
    EXPECT_EQ(view.state().lists.letterBox.selected, 0);
}

TEST_F(ProfileWindow, KeyboardChoicesReachTheModel)
{
    form.show();
    Find<QComboBox>(form, "ComboVideoBitrate")->setFocus();
    QTest::keyClick(Find<QComboBox>(form, "ComboVideoBitrate"), Qt::Key_Up);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "1200 Kbps");
    EXPECT_EQ(view.state().lists.videoBitrate.selectedText(), "1200 Kbps");
    QTest::keyClick(Find<QComboBox>(form, "ComboOutputFormat"), Qt::Key_Down);
    EXPECT_EQ(Find<QComboBox>(form, "ComboOutputFormat")->currentIndex(), 1);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "1200 Kbps");
    QTest::keyClick(Find<QComboBox>(form, "ComboOutputFormat"), Qt::Key_Down);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "512 Kbps");
}

TEST_F(ProfileWindow, PickingTheFormatInForceKeepsTheUsersChoices)
{
    form.show();
    Pick(Find<QComboBox>(form, "ComboVideoBitrate"), "2500 Kbps");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 0);
    EXPECT_EQ(Find<QComboBox>(form, "ComboVideoBitrate")->currentText(), "2500 Kbps");
}

TEST_F(ProfileWindow, SwitchResetsMuteToFalse)
{
    Pick(Find<QComboBox>(form, "ComboMuteAudio"), "True");
    EXPECT_EQ(view.state().lists.muteAudio.selected, 1);
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 26);
    EXPECT_EQ(Find<QComboBox>(form, "ComboMuteAudio")->currentText(), "False");
}

TEST_F(ProfileWindow, ResetMuteAudioSelectsFalse)
{
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 23);
    Pick(Find<QComboBox>(form, "ComboMuteAudio"), "True");
    view.resetMuteAudio();
    EXPECT_EQ(Find<QComboBox>(form, "ComboMuteAudio")->currentText(), "False");
    EXPECT_EQ(view.state().lists.muteAudio.selected, 0);
}

TEST_F(ProfileWindow, VolumeSliderShowsThePercentageAndSetsTheFactor)
{
    EXPECT_EQ(view.volumeFactor(), "50");
    for (const auto& row : kVolumeTable) {
        Find<QSlider>(form, "TrackBar1")->setValue(row.position == 5 ? 4 : 5);
        Find<QSlider>(form, "TrackBar1")->setValue(row.position);
        EXPECT_EQ(Find<QLabel>(form, "Label14")->text(), row.label) << row.position;
        EXPECT_EQ(view.volumeFactor(), row.factor) << row.position;
    }
}

TEST_F(ProfileWindow, ACopyFormatDisablesWhatItDoesNotOfferThroughABusySpellUntilTheNextSwitch)
{
    form.show();
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 33);
    const QList<QWidget*> withdrawn{Find<QComboBox>(form, "ComboVideoCodec"), Find<QComboBox>(form, "ComboVideoSize"), Find<QComboBox>(form, "ComboVideoBitrate"),
                                    Find<QComboBox>(form, "ComboVideoFramerate"), Find<QComboBox>(form, "ComboAudioCodec"), Find<QComboBox>(form, "ComboAudioBitrate"),
                                    Find<QComboBox>(form, "ComboAudioChannel"), Find<QComboBox>(form, "ComboSamplingRate"), Find<QComboBox>(form, "ComboLetterBox"), Find<QSlider>(form, "TrackBar1")};
    busyLock.lock();
    busyLock.unlock();
    EXPECT_TRUE(Find<QComboBox>(form, "ComboMuteAudio")->isEnabled());
    for (QWidget* widget : withdrawn)
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();

    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 0);
    for (QWidget* widget : withdrawn)
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
}

// The HDR list is the video group's last row: offered by today's video
// rows alone, and read by the command line from there.
// The Loudness list is the audio group's last row: offered wherever sound
// is coded anew, its choice kept from format to format.
TEST_F(ProfileWindow, LoudnessListServesEveryFormatThatCodesSound)
{
    form.show();
    QComboBox* loudness = Find<QComboBox>(form, "ComboLoudness");
    EXPECT_EQ(loudness->parentWidget()->objectName(), "GroupBox2");
    EXPECT_GT(loudness->y(), Find<QComboBox>(form, "ComboSamplingRate")->geometry().bottom());
    EXPECT_LE(loudness->geometry().bottom(), loudness->parentWidget()->height());
    EXPECT_TRUE(loudness->isEnabled());
    Pick(loudness, "\u221216 LUFS (podcast)");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 23);
    EXPECT_EQ(loudness->currentText(), "\u221216 LUFS (podcast)");
    EXPECT_EQ(TakeChoices(view.state(), "50", {}, false, {}).loudness, "\u221216 LUFS (podcast)");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 33);
    EXPECT_FALSE(loudness->isEnabled());
    EXPECT_EQ(TakeChoices(view.state(), "50", {}, false, {}).loudness, "");
}

TEST_F(ProfileWindow, HdrListServesTodaysVideoRowsOnly)
{
    form.show();
    QComboBox* hdr = Find<QComboBox>(form, "ComboHdr");
    EXPECT_EQ(hdr->parentWidget()->objectName(), "GroupBox1");
    EXPECT_FALSE(hdr->isEnabled());
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 31);
    EXPECT_TRUE(hdr->isEnabled());
    EXPECT_EQ(Items(hdr), (QStringList{"Keep HDR", "Tone-map to SDR"}));
    Pick(hdr, "Tone-map to SDR");
    EXPECT_EQ(view.state().lists.hdr.selectedText(), "Tone-map to SDR");
    EXPECT_GT(hdr->y(), Find<QComboBox>(form, "ComboVideoFramerate")->geometry().bottom());
    EXPECT_LE(hdr->geometry().bottom(), hdr->parentWidget()->height());
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 26);
    EXPECT_FALSE(hdr->isEnabled());
    EXPECT_EQ(hdr->count(), 0);
}

// The Crop list sits in the general group between mute and the volume,
// serves the formats that code a picture, and keeps its choice through the
// formats that do not.
TEST_F(ProfileWindow, CropListServesThePictureFormatsAndKeepsItsChoice)
{
    form.show();
    QComboBox* crop = Find<QComboBox>(form, "ComboCrop");
    EXPECT_EQ(crop->parentWidget()->objectName(), "GroupBox3");
    EXPECT_GT(crop->y(), Find<QComboBox>(form, "ComboMuteAudio")->geometry().bottom());
    EXPECT_LT(crop->geometry().bottom(), Find<QSlider>(form, "TrackBar1")->y());
    EXPECT_LE(Find<QLabel>(form, "Label14")->geometry().bottom(), crop->parentWidget()->height());
    EXPECT_EQ(Items(crop), (QStringList{"None", "Auto"}));
    EXPECT_EQ(crop->currentText(), "None");
    Pick(crop, "Auto");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 23);
    EXPECT_FALSE(crop->isEnabled());
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 35);
    EXPECT_TRUE(crop->isEnabled());
    EXPECT_EQ(view.state().lists.crop.selectedText(), "Auto");
}

} // namespace

namespace {

TEST_F(ProfileWindow, TheOutputColumnTellsTheExpectedSizeOfAFixedBitrateOrAFit)
{
    form.show();
    FileRow row{"/videos/a.mkv", {}, true};
    row.cell(FileColumn::VideoSize) = "1280 x 720";
    row.cell(FileColumn::FrameRate) = "30";
    row.cell(FileColumn::Duration) = "00:02:00";
    row.cell(FileColumn::Output) = "MP4";
    files.append(row);
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 31);
    EXPECT_EQ(OutputCells(), QStringList{"MP4"}); // constant quality: no telling
    QComboBox* bitrate = Find<QComboBox>(form, "ComboVideoBitrate");
    Pick(bitrate, "1000 Kbps");
    EXPECT_EQ(OutputCells(), QStringList{"MP4  ~18 MB"});
    Pick(bitrate, "Fit in 25 MB");
    files.append(row); // a row added later is told too
    EXPECT_EQ(OutputCells(), (QStringList{"MP4  ~24 MB", "MP4  ~24 MB"}));
    EXPECT_TRUE(bitrate->itemData(bitrate->findText("Fit in 8 MB"), Qt::ToolTipRole)
                    .toString()
                    .contains("1 MB = 1,000,000 bytes"));
    EXPECT_FALSE(bitrate->itemData(bitrate->findText("1000 Kbps"), Qt::ToolTipRole).isValid());
    files.setStage(0, "pass 1 of 2");
    EXPECT_EQ(Hint(form, 0, TableColumn(FileColumn::Progress)), "pass 1 of 2");
    Pick(Find<QComboBox>(form, "ComboOutputFormat"), 0);
    EXPECT_EQ(OutputCells(), (QStringList{"MP4", "MP4"}));
}

} // namespace
