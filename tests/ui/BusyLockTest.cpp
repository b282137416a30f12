#include "ui/Application.h"
#include "ui/BusyLock.h"
#include "ui/TForm1.h"
#include "ui/TForm4.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QStringList kLockedWidgets{
    "ComboOutputFormat", "ComboVideoSize", "ComboVideoBitrate", "ComboVideoFramerate", "ComboAudioBitrate",
    "ComboAudioChannel", "ComboMuteAudio", "ComboVideoCodec", "ComboLetterBox", "ComboSamplingRate",
    "ComboAudioCodec", "ClearAllButton", "RemoveButton", "TrackBar1"};
const QStringList kLockedActions{"AddFiles1", "Convert1", "Exit1", "OpenHelpFile1", "VisitOurWebsite1", "About1",
                                 "SetGeneralOptions1"};
const QStringList kUntouched{"AddFileButton", "ConvertNowButton", "StopConvertButton", "ButtonStopSmall",
                             "ButtonBrowseForFolder", "ListView1"};

TEST(BusyLock, DisablesExactlyItsSetAndUnlockEnablesIt)
{
    TempDir appDir;
    FakeMessages messages;
    Application app(appDir.dir(), messages);
    TForm1& form = *app.Form1;

    app.busyLock->lock();
    for (const auto& name : kLockedWidgets)
        EXPECT_FALSE(form.findChild<QWidget*>(name)->isEnabled()) << name.toStdString();
    for (const auto& name : kLockedActions)
        EXPECT_FALSE(form.findChild<QAction*>(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(app.Form4->CheckBoxOverWrite->isEnabled());
    EXPECT_FALSE(app.Form4->CheckBoxShutDown->isEnabled());
    for (const auto& name : kUntouched)
        EXPECT_TRUE(form.findChild<QWidget*>(name)->isEnabled()) << name.toStdString();

    app.busyLock->unlock();
    for (const auto& name : kLockedWidgets + kUntouched)
        EXPECT_TRUE(form.findChild<QWidget*>(name)->isEnabled()) << name.toStdString();
    for (const auto& name : kLockedActions)
        EXPECT_TRUE(form.findChild<QAction*>(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(app.Form4->CheckBoxShutDown->isEnabled());
}

TEST(BusyLock, LeavesButtonsTheCallerDisabledAlone)
{
    TempDir appDir;
    FakeMessages messages;
    Application app(appDir.dir(), messages);
    app.Form1->AddFileButton->setEnabled(false);
    app.busyLock->lock();
    app.busyLock->unlock();
    EXPECT_FALSE(app.Form1->AddFileButton->isEnabled());
}

} // namespace
