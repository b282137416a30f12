#include "ui/Application.h"
#include "ui/TForm1.h"
#include "ui/ProfileView.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>
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

class ProfileWindow : public ::testing::Test {
protected:
    // A user's pick in a drop-down list: the selection moves, then the list reports the activation.
    static void Pick(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void Pick(QComboBox* combo, const QString& text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        Pick(combo, index);
    }

    void AddRow(const QString& path, const QString& tag, bool checked)
    {
        const int row = form.ListView1->rowCount();
        form.ListView1->insertRow(row);
        auto* caption = new QTableWidgetItem(path);
        caption->setFlags(caption->flags() | Qt::ItemIsUserCheckable);
        caption->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        form.ListView1->setItem(row, 0, caption);
        if (!tag.isEmpty())
            form.ListView1->setItem(row, 4, new QTableWidgetItem(tag));
    }

    QStringList OutputCells() const
    {
        QStringList cells;
        for (int row = 0; row < form.ListView1->rowCount(); ++row) {
            const QTableWidgetItem* cell = form.ListView1->item(row, 4);
            cells.append(cell ? cell->text() : QString("<none>"));
        }
        return cells;
    }

    TempDir appDir;
    FakeMessages messages;
    Application app{appDir.dir(), messages};
    TForm1& form = *app.Form1;
    ProfileView& view = *form.profileView;
};

TEST_F(ProfileWindow, CreationAppliesFormatZeroToTheLists)
{
    EXPECT_EQ(form.ComboVideoCodec->currentText(), "MPEG4");
    EXPECT_EQ(Items(form.ComboVideoSize), QStringList{"320 x 240"});
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "1500 Kbps");
    EXPECT_EQ(form.ComboVideoFramerate->currentText(), "Auto");
    EXPECT_EQ(form.ComboAudioBitrate->currentText(), "64 Kbps");
    EXPECT_EQ(form.ComboSamplingRate->currentText(), "44100 Hz");
    EXPECT_EQ(form.ComboOutputFormat->maxVisibleItems(), 25);
    EXPECT_EQ(view.State().selectedFormatIndex, 0);
}

TEST_F(ProfileWindow, SwitchingTo3gpSelectsMonoAndLetterbox)
{
    form.show();
    Pick(form.ComboLetterBox, "None");
    Pick(form.ComboOutputFormat, 18);
    EXPECT_EQ(form.ComboAudioChannel->currentText(), "Mono");
    EXPECT_EQ(form.ComboLetterBox->currentText(), "LetterBox");
    EXPECT_EQ(form.ComboAudioCodec->currentText(), "amr_nb");
    EXPECT_EQ(form.ComboSamplingRate->currentText(), "8000  Hz");
    EXPECT_EQ(view.State().lists.audioChannel.selectedText(), "Mono");
}

TEST_F(ProfileWindow, From3gpToAacShowsStereoAndKeepsTheLetterbox)
{
    form.show();
    Pick(form.ComboOutputFormat, 18);
    Pick(form.ComboOutputFormat, 21);
    EXPECT_EQ(form.ComboAudioChannel->currentText(), "Stereo");
    EXPECT_EQ(form.ComboLetterBox->currentText(), "LetterBox");
    EXPECT_EQ(form.ComboVideoCodec->count(), 0);
    EXPECT_EQ(form.ComboVideoCodec->currentIndex(), -1);
    EXPECT_TRUE(form.ComboVideoCodec->isEnabled());
    EXPECT_EQ(form.ComboAudioCodec->currentText(), "aac");
}

TEST_F(ProfileWindow, SeparatorBringsBackThePreviousFormatWithTheUsersChoices)
{
    form.show();
    Pick(form.ComboOutputFormat, 18);
    Pick(form.ComboVideoBitrate, "512 Kbps");
    Pick(form.ComboAudioChannel, "Stereo");
    Pick(form.ComboOutputFormat, 20);
    EXPECT_EQ(form.ComboOutputFormat->currentIndex(), 18);
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "512 Kbps");
    EXPECT_EQ(form.ComboAudioChannel->currentText(), "Stereo");
    const ProfileState& state = view.State();
    EXPECT_EQ(state.formatIndex, 18);
    EXPECT_EQ(state.lists.videoBitrate.selectedText(), "512 Kbps");
    EXPECT_EQ(state.lists.audioChannel.selectedText(), "Stereo");
}

TEST_F(ProfileWindow, SeparatorKeepsThePspFamily)
{
    Pick(form.ComboOutputFormat, 14);
    Pick(form.ComboOutputFormat, 17);
    EXPECT_EQ(view.State().profileFamily, "psp");
    EXPECT_EQ(form.ComboOutputFormat->currentIndex(), 14);
}

TEST_F(ProfileWindow, RowsOutputCellsFollowEachSwitch)
{
    form.show();
    AddRow("/videos/a.avi", "MP4", true);
    AddRow("/videos/b.avi", "MP4", false);
    AddRow("/videos/c.avi", "", true);
    Pick(form.ComboOutputFormat, 23);
    EXPECT_EQ(OutputCells(), (QStringList{"MP3", "MP3", "MP3"}));
    EXPECT_EQ(form.ListView1->item(2, 4)->textAlignment(), int(Qt::AlignCenter));
    Pick(form.ComboOutputFormat, 25);
    EXPECT_EQ(OutputCells(), (QStringList{"MP3", "MP3", "MP3"}));
    Pick(form.ComboOutputFormat, 10);
    EXPECT_EQ(OutputCells(), (QStringList{"WMV", "WMV", "WMV"}));
    EXPECT_EQ(form.ListView1->item(1, 0)->checkState(), Qt::Unchecked);
}

TEST_F(ProfileWindow, ASelectionMadeByCodeRunsNoSwitchUntilTheWindowIsShown)
{
    // As the settings load restores the format and the letterbox before the window shows.
    form.ComboOutputFormat->setCurrentIndex(12);
    form.ComboLetterBox->setCurrentIndex(0);
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "1500 Kbps");
    form.show();
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "400 Kbps");
    EXPECT_EQ(Items(form.ComboSamplingRate), QStringList{"24000 Hz"});
    EXPECT_EQ(form.ComboLetterBox->currentText(), "None");
    EXPECT_EQ(view.State().profileFamily, "psp");
    EXPECT_EQ(view.State().lists.letterBox.selected, 0);
}

TEST_F(ProfileWindow, KeyboardChoicesReachTheModel)
{
    form.show();
    form.ComboVideoBitrate->setFocus();
    QTest::keyClick(form.ComboVideoBitrate, Qt::Key_Up);
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "1200 Kbps");
    EXPECT_EQ(view.State().lists.videoBitrate.selectedText(), "1200 Kbps");
    QTest::keyClick(form.ComboOutputFormat, Qt::Key_Down);
    EXPECT_EQ(form.ComboOutputFormat->currentIndex(), 1);
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "1200 Kbps");
    QTest::keyClick(form.ComboOutputFormat, Qt::Key_Down);
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "512 Kbps");
}

TEST_F(ProfileWindow, PickingTheFormatInForceKeepsTheUsersChoices)
{
    form.show();
    Pick(form.ComboVideoBitrate, "2500 Kbps");
    Pick(form.ComboOutputFormat, 0);
    EXPECT_EQ(form.ComboVideoBitrate->currentText(), "2500 Kbps");
}

TEST_F(ProfileWindow, SwitchResetsMuteToFalse)
{
    Pick(form.ComboMuteAudio, "True");
    EXPECT_EQ(view.State().lists.muteAudio.selected, 1);
    Pick(form.ComboOutputFormat, 26);
    EXPECT_EQ(form.ComboMuteAudio->currentText(), "False");
}

TEST_F(ProfileWindow, ResetMuteAudioSelectsFalse)
{
    Pick(form.ComboOutputFormat, 23);
    Pick(form.ComboMuteAudio, "True");
    view.ResetMuteAudio();
    EXPECT_EQ(form.ComboMuteAudio->currentText(), "False");
    EXPECT_EQ(view.State().lists.muteAudio.selected, 0);
}

TEST_F(ProfileWindow, VolumeSliderShowsThePercentageAndSetsTheFactor)
{
    EXPECT_EQ(view.VolumeFactor(), "50");
    for (const auto& row : kVolumeTable) {
        form.TrackBar1->setValue(row.position == 5 ? 4 : 5);
        form.TrackBar1->setValue(row.position);
        EXPECT_EQ(form.Label14->text(), row.label) << row.position;
        EXPECT_EQ(view.VolumeFactor(), row.factor) << row.position;
    }
}

} // namespace
