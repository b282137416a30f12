// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "support/StandInAppDir.h"
#include "support/WindowFixture.h"
#include "core/HelpLinks.h"
#include "ui/BatchStatus.h"
#include "ui/DesktopNotifier.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace scripts;

class FakeNotifier : public DesktopNotifier {
public:
    void notify(const QString& summary, const QString& body) override { told << summary + ": " + body; }
    QStringList told;
};

class FakeOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};

class BatchStatusWindow : public ::testing::Test {
protected:
    BatchStatusWindow()
    {
        Find<QLineEdit>(form, "Edit1")->setText(QString::fromStdString(encoder.outputDir()));
        auto notifier = std::make_unique<FakeNotifier>();
        notes = notifier.get();
        app.setNotifier(std::move(notifier));
        app.setUrlOpener(opener);
        QObject::connect(Find<BatchStatus>(form, "BatchStatus"), &BatchStatus::changed, [this] {
            const QStringList now{form.statusPanelText(0), form.statusPanelText(2), form.windowTitle()};
            if (seen.isEmpty() || seen.back() != now)
                seen << now;
        });
    }

    // Converts two checked two-second files, one that fails when `fail` is set.
    void convertTwo(bool fail)
    {
        for (const char* name : {"one.avi", "two.avi"})
            window.addRow(encoder.input(name), {"640 x 352", "25", "00:00:02", "MP4", "", ""});
        encoder.script(1, GoodMediaRun(clips::TwoSecondMp4()));
        encoder.script(fail ? ErrorRun() : GoodMediaRun(clips::TwoSecondMp4()));
        Find<QToolButton>(form, "ConvertNowButton")->click();
        ASSERT_TRUE(window.idle(60000));
    }

    bool sawPanel(const QString& text) const
    {
        return std::any_of(seen.begin(), seen.end(), [&](const QStringList& state) { return state[0] == text; });
    }

    StandInAppDir encoder;
    WindowFixture window{encoder.appDir()};
    MainWindow& form = window.form;
    Application& app = window.app;
    FakeNotifier* notes = nullptr;
    FakeOpener opener;
    QList<QStringList> seen; // first panel, third panel, title, as they changed
};

TEST_F(BatchStatusWindow, SaysWhichFileHowFarAndWhatHappened)
{
    convertTwo(true);
    EXPECT_TRUE(sawPanel("Converting 1 of 2"));
    EXPECT_TRUE(sawPanel("Converting 2 of 2"));
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const QStringList& state) {
        return state[2].endsWith("% \u2013 Vantorel") && state[2] != "0% \u2013 Vantorel";
    }));
    // Nothing to judge the pace by at the start.
    EXPECT_EQ(seen.front()[1], "\u2014");
    EXPECT_EQ(form.statusPanelText(0), "1 converted, 1 failed");
    EXPECT_EQ(form.statusPanelText(2), "");
    EXPECT_EQ(form.windowTitle(), "Vantorel");
    // The window was not active: the desktop is told.
    EXPECT_EQ(notes->told, QStringList{"Vantorel: 1 converted, 1 failed"});
    ASSERT_FALSE(window.messages.shown.empty());
    EXPECT_EQ(window.messages.shown.back().button, "Open &Output Folder");
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(BatchStatusWindow, TheClosingMessagesButtonAndTheMenuOpenTheOutputFolderAndAnActiveWindowIsNotNotified)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    window.messages.pressButton = true;
    convertTwo(false);
    EXPECT_EQ(form.statusPanelText(0), "2 converted, 0 failed");
    EXPECT_TRUE(notes->told.isEmpty());
    Find<QAction>(form, "OpenOutputFolder1")->trigger();
    const QUrl folder = QUrl::fromLocalFile(QString::fromStdString(encoder.outputDir()));
    EXPECT_EQ(opener.opened, QList<QUrl>({folder, folder}));
}

} // namespace
