#include "ui/Application.h"
#include "ui/BusyLock.h"
#include "ui/MainWindow.h"
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
        const int row = form.fileList->rowCount();
        form.fileList->insertRow(row);
        auto* caption = new QTableWidgetItem(path);
        caption->setFlags(caption->flags() | Qt::ItemIsUserCheckable);
        caption->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        form.fileList->setItem(row, 0, caption);
        if (!tag.isEmpty())
            form.fileList->setItem(row, 4, new QTableWidgetItem(tag));
    }

    QStringList OutputCells() const
    {
        QStringList cells;
        for (int row = 0; row < form.fileList->rowCount(); ++row) {
            const QTableWidgetItem* cell = form.fileList->item(row, 4);
            cells.append(cell ? cell->text() : QString("<none>"));
        }
        return cells;
    }

    TempDir appDir;
    FakeMessages messages;
    Application app{appDir.dir(), messages};
    MainWindow& form = *app.mainWindow;
    ProfileView& view = *form.profileView;
};

TEST_F(ProfileWindow, CreationAppliesFormatZeroToTheLists)
{
    EXPECT_EQ(form.videoCodecCombo->currentText(), "MPEG4");
    EXPECT_EQ(Items(form.videoSizeCombo), QStringList{"320 x 240"});
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "1500 Kbps");
    EXPECT_EQ(form.frameRateCombo->currentText(), "Auto");
    EXPECT_EQ(form.audioBitrateCombo->currentText(), "64 Kbps");
    EXPECT_EQ(form.samplingRateCombo->currentText(), "44100 Hz");
    EXPECT_EQ(form.formatCombo->maxVisibleItems(), 25);
    EXPECT_EQ(view.State().selectedFormatIndex, 0);
}

TEST_F(ProfileWindow, SwitchingTo3gpSelectsMonoAndLetterbox)
{
    form.show();
    Pick(form.letterBoxCombo, "None");
    Pick(form.formatCombo, 18);
    EXPECT_EQ(form.channelsCombo->currentText(), "Mono");
    EXPECT_EQ(form.letterBoxCombo->currentText(), "LetterBox");
    EXPECT_EQ(form.audioCodecCombo->currentText(), "amr_nb");
    EXPECT_EQ(form.samplingRateCombo->currentText(), "8000  Hz");
    EXPECT_EQ(view.State().lists.audioChannel.selectedText(), "Mono");
}

TEST_F(ProfileWindow, From3gpToAacShowsStereoAndKeepsTheLetterbox)
{
    form.show();
    Pick(form.formatCombo, 18);
    Pick(form.formatCombo, 21);
    EXPECT_EQ(form.channelsCombo->currentText(), "Stereo");
    EXPECT_EQ(form.letterBoxCombo->currentText(), "LetterBox");
    EXPECT_EQ(form.videoCodecCombo->count(), 0);
    EXPECT_EQ(form.videoCodecCombo->currentIndex(), -1);
    EXPECT_TRUE(form.videoCodecCombo->isEnabled());
    EXPECT_EQ(form.audioCodecCombo->currentText(), "aac");
}

TEST_F(ProfileWindow, SeparatorBringsBackThePreviousFormatWithTheUsersChoices)
{
    form.show();
    Pick(form.formatCombo, 18);
    Pick(form.videoBitrateCombo, "512 Kbps");
    Pick(form.channelsCombo, "Stereo");
    Pick(form.formatCombo, 20);
    EXPECT_EQ(form.formatCombo->currentIndex(), 18);
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "512 Kbps");
    EXPECT_EQ(form.channelsCombo->currentText(), "Stereo");
    const ProfileState& state = view.State();
    EXPECT_EQ(state.formatIndex, 18);
    EXPECT_EQ(state.lists.videoBitrate.selectedText(), "512 Kbps");
    EXPECT_EQ(state.lists.audioChannel.selectedText(), "Stereo");
}

TEST_F(ProfileWindow, SeparatorKeepsThePspFamily)
{
    Pick(form.formatCombo, 14);
    Pick(form.formatCombo, 17);
    EXPECT_EQ(view.State().profileFamily, "psp");
    EXPECT_EQ(form.formatCombo->currentIndex(), 14);
}

TEST_F(ProfileWindow, RowsOutputCellsFollowEachSwitch)
{
    form.show();
    AddRow("/videos/a.avi", "MP4", true);
    AddRow("/videos/b.avi", "MP4", false);
    AddRow("/videos/c.avi", "", true);
    Pick(form.formatCombo, 23);
    EXPECT_EQ(OutputCells(), (QStringList{"MP3", "MP3", "MP3"}));
    EXPECT_EQ(form.fileList->item(2, 4)->textAlignment(), int(Qt::AlignCenter));
    Pick(form.formatCombo, 25);
    EXPECT_EQ(OutputCells(), (QStringList{"MP3", "MP3", "MP3"}));
    Pick(form.formatCombo, 10);
    EXPECT_EQ(OutputCells(), (QStringList{"WMV", "WMV", "WMV"}));
    EXPECT_EQ(form.fileList->item(1, 0)->checkState(), Qt::Unchecked);
}

TEST_F(ProfileWindow, ASelectionMadeByCodeRunsNoSwitchUntilTheWindowIsShown)
{
    // As the settings load restores the format and the letterbox before the window shows.
    form.formatCombo->setCurrentIndex(12);
    form.letterBoxCombo->setCurrentIndex(0);
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "1500 Kbps");
    form.show();
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "400 Kbps");
    EXPECT_EQ(Items(form.samplingRateCombo), QStringList{"24000 Hz"});
    EXPECT_EQ(form.letterBoxCombo->currentText(), "None");
    EXPECT_EQ(view.State().profileFamily, "psp");
    EXPECT_EQ(view.State().lists.letterBox.selected, 0);
}

TEST_F(ProfileWindow, KeyboardChoicesReachTheModel)
{
    form.show();
    form.videoBitrateCombo->setFocus();
    QTest::keyClick(form.videoBitrateCombo, Qt::Key_Up);
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "1200 Kbps");
    EXPECT_EQ(view.State().lists.videoBitrate.selectedText(), "1200 Kbps");
    QTest::keyClick(form.formatCombo, Qt::Key_Down);
    EXPECT_EQ(form.formatCombo->currentIndex(), 1);
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "1200 Kbps");
    QTest::keyClick(form.formatCombo, Qt::Key_Down);
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "512 Kbps");
}

TEST_F(ProfileWindow, PickingTheFormatInForceKeepsTheUsersChoices)
{
    form.show();
    Pick(form.videoBitrateCombo, "2500 Kbps");
    Pick(form.formatCombo, 0);
    EXPECT_EQ(form.videoBitrateCombo->currentText(), "2500 Kbps");
}

TEST_F(ProfileWindow, SwitchResetsMuteToFalse)
{
    Pick(form.muteAudioCombo, "True");
    EXPECT_EQ(view.State().lists.muteAudio.selected, 1);
    Pick(form.formatCombo, 26);
    EXPECT_EQ(form.muteAudioCombo->currentText(), "False");
}

TEST_F(ProfileWindow, ResetMuteAudioSelectsFalse)
{
    Pick(form.formatCombo, 23);
    Pick(form.muteAudioCombo, "True");
    view.ResetMuteAudio();
    EXPECT_EQ(form.muteAudioCombo->currentText(), "False");
    EXPECT_EQ(view.State().lists.muteAudio.selected, 0);
}

TEST_F(ProfileWindow, VolumeSliderShowsThePercentageAndSetsTheFactor)
{
    EXPECT_EQ(view.VolumeFactor(), "50");
    for (const auto& row : kVolumeTable) {
        form.volumeSlider->setValue(row.position == 5 ? 4 : 5);
        form.volumeSlider->setValue(row.position);
        EXPECT_EQ(form.volumeLabel->text(), row.label) << row.position;
        EXPECT_EQ(view.VolumeFactor(), row.factor) << row.position;
    }
}

TEST_F(ProfileWindow, ACopyFormatDisablesWhatItDoesNotOfferThroughABusySpellUntilTheNextSwitch)
{
    form.show();
    Pick(form.formatCombo, 33);
    const QList<QWidget*> withdrawn{form.videoCodecCombo, form.videoSizeCombo, form.videoBitrateCombo,
                                    form.frameRateCombo, form.audioCodecCombo, form.audioBitrateCombo,
                                    form.channelsCombo, form.samplingRateCombo, form.letterBoxCombo, form.volumeSlider};
    app.busyLock->lock();
    app.busyLock->unlock();
    EXPECT_TRUE(form.muteAudioCombo->isEnabled());
    for (QWidget* widget : withdrawn)
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();

    Pick(form.formatCombo, 0);
    for (QWidget* widget : withdrawn)
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
}

} // namespace
