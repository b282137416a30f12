// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"
#include "ui/BusyLock.h"
#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"

#include <QAction>
#include <QCheckBox>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>

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
    MainWindow& form = app.mainWindow();

    // The lock leaves the others as they were (both Stop buttons are off outside a batch).
    std::map<QString, bool> untouched;
    for (const auto& name : kUntouched)
        untouched[name] = form.findChild<QWidget*>(name)->isEnabled();
    app.busyLock().lock();
    for (const auto& name : kLockedWidgets)
        EXPECT_FALSE(form.findChild<QWidget*>(name)->isEnabled()) << name.toStdString();
    for (const auto& name : kLockedActions)
        EXPECT_FALSE(form.findChild<QAction*>(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(Find<QCheckBox>(app.mainWindow(), "CheckBoxOverWrite")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->isEnabled());
    for (const auto& name : kUntouched)
        EXPECT_EQ(form.findChild<QWidget*>(name)->isEnabled(), untouched[name]) << name.toStdString();

    app.busyLock().unlock();
    for (const auto& name : kLockedWidgets)
        EXPECT_TRUE(form.findChild<QWidget*>(name)->isEnabled()) << name.toStdString();
    for (const auto& name : kUntouched)
        EXPECT_EQ(form.findChild<QWidget*>(name)->isEnabled(), untouched[name]) << name.toStdString();
    for (const auto& name : kLockedActions)
        EXPECT_TRUE(form.findChild<QAction*>(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(Find<QCheckBox>(app.mainWindow(), "CheckBoxShutDown")->isEnabled());
}

TEST(BusyLock, LeavesButtonsTheCallerDisabledAlone)
{
    TempDir appDir;
    FakeMessages messages;
    Application app(appDir.dir(), messages);
    Find<QToolButton>(app.mainWindow(), "AddFileButton")->setEnabled(false);
    app.busyLock().lock();
    app.busyLock().unlock();
    EXPECT_FALSE(Find<QToolButton>(app.mainWindow(), "AddFileButton")->isEnabled());
}

} // namespace
