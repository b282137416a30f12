// SPDX-License-Identifier: GPL-3.0-or-later
// The window's preview in the background, with the real encoder: a new
// request stops the one before, and only the latest one's outcome arrives.
#include "convert/PreviewMaker.h"
#include "core/cmdline/CommandLineBuilder.h"
#include "core/profiles/FormatSwitch.h"
#include "support/MediaClips.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(PreviewMaker, OnlyTheLatestRequestsOutcomeArrives)
{
    const std::string appDir = qEnvironmentVariable("VANTOREL_APPDIR").toStdString();
    const std::string clip = clips::Clip("preview.avi", clips::SilentAvi(320, 240, {25, 1}, 2));
    const TempDir out;
    const ConversionChoices choices = TakeChoices(ProfileStateFor(0), "50", out.path().string(), false, appDir);
    const JobInput job{clip, "320 x 240", "mp4", {}};
    const auto ask = [&](PreviewMaker& maker, double seconds, const std::string& name) {
        const std::string picture = out.path() / name;
        maker.request(BuildPreviewCommandLine(choices, job, seconds, picture).commandLine, picture);
        return QString::fromStdString(picture);
    };
    PreviewMaker maker(appDir);
    QSignalSpy made(&maker, &PreviewMaker::made);
    QSignalSpy failed(&maker, &PreviewMaker::failed);

    ask(maker, 0.5, "first.png");
    const QString second = ask(maker, 1, "second.png");
    ASSERT_TRUE(made.wait(60000));
    ask(maker, 1.5, "cancelled.png");
    maker.cancel();
    ask(maker, 30, "past-the-end.png");
    ASSERT_TRUE(failed.wait(60000));
    const QString last = ask(maker, 1.5, "last.png");
    ASSERT_TRUE(made.wait(60000));

    ASSERT_EQ(made.count(), 2);
    EXPECT_EQ(made[0][0].toString(), second);
    EXPECT_EQ(made[1][0].toString(), last);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains("past the end of the output")) << failed[0][0].toString().toStdString();
    const fixtures::MediaInfo picture = fixtures::ReadMedia(last.toStdString());
    ASSERT_NE(picture.video(), nullptr);
    EXPECT_EQ(picture.video()->width, 320);
}

} // namespace
