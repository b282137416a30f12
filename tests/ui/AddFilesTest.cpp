// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaClips.h"
#include "support/StandInAppDir.h"
#include "ui/Application.h"
#include "core/SharedState.h"
#include "ui/MainWindow.h"
#include "ui/AddFiles.h"
#include "core/OpenDialogFilter.h"
#include "ui/AnalysisProgressDialog.h"
#include "media/MediaInfoInspector.h"
#include "media/ReadableExtensions.h"
#include "support/FakeMessages.h"
#include "support/TextFile.h"
#include "support/WindowFixture.h"
#include "support/WindowControls.h"
#include "ui/SettingsBinder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <random>

namespace {

// A tenth of a second of silence as a WAV file: sound the libraries know,
// and no picture, so the media-information component reports no size.
std::string SilentWav()
{
    const auto le = [](std::uint32_t value, int bytes) {
        std::string text;
        for (int at = 0; at < bytes; ++at)
            text += static_cast<char>((value >> (8 * at)) & 0xff);
        return text;
    };
    const std::uint32_t data = 1600;
    return "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(8000, 4) + le(16000, 4)
        + le(2, 2) + le(16, 2) + "data" + le(data, 4) + std::string(data, '\0');
}

// Files the media-information component cannot measure, so the stand-in
// encoder measures them.
class AddFiles : public ::testing::Test {
protected:
    QString file(const std::string& name) const { return QString::fromStdString(media.write(name, SilentWav()).string()); }
    QString missing(const std::string& name) const { return QString::fromStdString((media.path() / name).string()); }

    void choose(const QStringList& files)
    {
        app.setChooseFiles([this, files](QWidget*, const QStringList& filters,
                                                   const QString& startFolder) -> std::optional<QStringList> {
            offeredFilters = filters;
            startFolders << startFolder;
            ++dialogs;
            return files;
        });
    }

    QString cell(int row, int column) const { return CellText(form, row, column); }

    // Drags the paths over `target` and drops them there; true when both were welcome.
    static bool drop(QWidget* target, const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }

    void expectEverythingReleased() const
    {
        EXPECT_FALSE(Find<AnalysisProgressDialog>(app.mainWindow(), "FormAnalyzingSplash")->isVisible());
        EXPECT_TRUE(Find<QToolButton>(form, "AddFileButton")->isEnabled());
        EXPECT_TRUE(Find<QToolButton>(form, "ConvertNowButton")->isEnabled());
        EXPECT_TRUE(Find<QComboBox>(form, "ComboOutputFormat")->isEnabled());
        EXPECT_TRUE(Find<QToolButton>(form, "ClearAllButton")->isEnabled());
        EXPECT_TRUE(Find<QAction>(form, "AddFiles1")->isEnabled());
        EXPECT_FALSE(app.state().keepAnalyzing);
        EXPECT_FALSE(app.state().analysisBusy);
    }

    StandInAppDir encoder{scripts::kClipDescription, ""};
    TempDir media;
    FakeMessages messages;
    Application app{encoder.appDir(), messages};
    MainWindow& form = app.mainWindow();
    QStringList offeredFilters;
    QStringList startFolders;
    int dialogs = 0;
};

TEST_F(AddFiles, EachChosenFileBecomesATickedRowInTheDialogsOrder)
{
    choose({file("b.bin"), file("a.bin")});
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 2);
    EXPECT_EQ(cell(0, 0), file("b.bin"));
    EXPECT_EQ(cell(1, 0), file("a.bin"));
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(cell(row, 1), "320 x 240");
        EXPECT_EQ(cell(row, 2), "25");
        EXPECT_EQ(cell(row, 3), "00:01:23");
        EXPECT_EQ(cell(row, 4), "MP4");
        EXPECT_EQ(CheckState(form, row), Qt::Checked);
    }
    EXPECT_EQ(offeredFilters, QtNameFilters(OfferedFilterEntries(ReadableExtensions())));
    expectEverythingReleased();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AddFiles, AVideoTheComponentReadsNeedsNoEncoder)
{
    const QString clip = QString::fromStdString(clips::NinetySecondAvi());
    choose({clip});
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 1);
    EXPECT_EQ(cell(0, 0), clip);
    EXPECT_EQ(cell(0, 1), "640 x 352");
    EXPECT_EQ(cell(0, 2), "25");
    EXPECT_EQ(cell(0, 3), "00:01:30");
    EXPECT_EQ(cell(0, 4), "MP4");
    EXPECT_TRUE(encoder.calls().empty());
    EXPECT_EQ(Find<MediaInfoInspector>(form, "VideoInfo")->fileFormat(), "AVI");
}

TEST_F(AddFiles, TheMenuEntryAddsFilesToo)
{
    choose({file("a.bin")});
    Find<QAction>(form, "AddFiles1")->trigger();
    EXPECT_EQ(RowCount(form), 1);
}

TEST_F(AddFiles, WhileFilesAreMeasuredTheSplashShowsTheFileAndTheControlsAreLocked)
{
    encoder.script("sleep 300\n" + scripts::Says(scripts::kClipDescription));
    choose({file("first clip.bin")});
    bool checked = false;
    QTimer::singleShot(200, [&] {
        checked = true;
        EXPECT_TRUE(Find<AnalysisProgressDialog>(app.mainWindow(), "FormAnalyzingSplash")->isVisible());
        EXPECT_EQ(Find<QLabel>(app.mainWindow(), "Panel1")->text(), "first clip.bin");
        EXPECT_FALSE(Find<QToolButton>(form, "AddFileButton")->isEnabled());
        EXPECT_FALSE(Find<QToolButton>(form, "ConvertNowButton")->isEnabled());
        EXPECT_FALSE(Find<QComboBox>(form, "ComboOutputFormat")->isEnabled());
        EXPECT_FALSE(Find<QAction>(form, "AddFiles1")->isEnabled());
        EXPECT_TRUE(app.state().analysisBusy);
        EXPECT_TRUE(app.state().keepAnalyzing);
        EXPECT_FALSE(Find<AnalysisProgressDialog>(app.mainWindow(), "FormAnalyzingSplash")->close());
    });
    Find<QToolButton>(form, "AddFileButton")->click();
    EXPECT_TRUE(checked);
    EXPECT_EQ(RowCount(form), 1);
    expectEverythingReleased();
}

TEST_F(AddFiles, CancelDuringTheFirstOfThreeFilesAddsTheFirstOnly)
{
    encoder.script("sleep 300\n" + scripts::Says(scripts::kClipDescription));
    choose({file("a.bin"), file("b.bin"), file("c.bin")});
    QTimer::singleShot(200, [&] { Find<QPushButton>(app.mainWindow(), "Button2")->click(); });
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 1);
    EXPECT_EQ(cell(0, 0), file("a.bin"));
    EXPECT_EQ(encoder.calls().size(), 1u);
    expectEverythingReleased();
}

TEST_F(AddFiles, CancellingTheDialogChangesNothing)
{
    app.setChooseFiles([](QWidget*, const QStringList&, const QString&) { return std::optional<QStringList>(); });
    Find<QToolButton>(form, "AddFileButton")->click();
    EXPECT_EQ(RowCount(form), 0);
    EXPECT_TRUE(encoder.calls().empty());
    expectEverythingReleased();
}

TEST_F(AddFiles, AMissingEncoderIsReportedAndNoDialogOpens)
{
    TempDir emptyAppDir;
    Application bare(emptyAppDir.dir(), messages);
    int opened = 0;
    bare.setChooseFiles([&](QWidget*, const QStringList&, const QString&) {
        ++opened;
        return std::optional<QStringList>();
    });
    Find<QToolButton>(bare.mainWindow(), "AddFileButton")->click();
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "A required file is missing!\nPlease re-install this software");
    EXPECT_TRUE(Find<QComboBox>(bare.mainWindow(), "ComboOutputFormat")->isEnabled());
}

TEST_F(AddFiles, AFileThatVanishedGetsNoRowAndNoOtherFilesValues)
{
    choose({file("a.bin"), missing("gone.avi"), file("c.bin")});
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 2);
    EXPECT_EQ(cell(0, 0), file("a.bin"));
    EXPECT_EQ(cell(1, 0), file("c.bin"));
    EXPECT_EQ(encoder.calls().size(), 2u);
}

TEST_F(AddFiles, FilesThatAreNoMediaOrListedAlreadyGetNoRowAndAreNamed)
{
    std::mt19937 random(22);
    std::string noise(4096, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    choose({file("a.bin"), QString::fromStdString(media.write("noise.mp4", noise).string()),
            QString::fromStdString(media.write("empty.mp4", "").string()), missing("gone.avi"),
            QString::fromStdString(media.dir()).chopped(1), file("a.bin"), file("b.bin")});
    Find<QToolButton>(form, "AddFileButton")->click();
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 2);
    EXPECT_EQ(cell(0, 0), file("a.bin"));
    EXPECT_EQ(cell(1, 0), file("b.bin"));
    // Only the two rows were measured; the second time round every file was in the list or refused again.
    EXPECT_EQ(encoder.calls().size(), 2u);
    EXPECT_EQ(Find<QStatusBar>(form, "StatusBar1")->currentMessage(), "Skipped 3 files already in the list");
    const std::string refused = "These files were not added:\nnoise.mp4 holds no picture or sound this program can "
                                "read\nempty.mp4 is empty\ngone.avi does not exist\n"
        + QFileInfo(QString::fromStdString(media.dir()).chopped(1)).fileName().toStdString() + " is a folder";
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, refused);
    EXPECT_EQ(messages.shown[1].text, refused);
    expectEverythingReleased();
}

TEST_F(AddFiles, AFileTheEncoderRejectsTwiceShowsUnknown)
{
    encoder.script("echo 'Unknown format'\n");
    choose({file("noise.bin")});
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 1);
    EXPECT_EQ(cell(0, 1), "Unknown");
    EXPECT_EQ(cell(0, 2), "");
    EXPECT_EQ(cell(0, 3), "");
    EXPECT_EQ(CheckState(form, 0), Qt::Checked);
    EXPECT_EQ(encoder.calls().size(), 2u);
}

TEST_F(AddFiles, TheNewestRowIsScrolledIntoView)
{
    form.show();
    QStringList files;
    for (int index = 0; index < 14; ++index)
        files << file("clip" + std::to_string(index) + ".bin");
    choose(files);
    Find<QToolButton>(form, "AddFileButton")->click();
    ASSERT_EQ(RowCount(form), 14);
    const QRect last = FileView(form)->visualRect(CellIndex(form, 13, 0));
    EXPECT_TRUE(FileView(form)->viewport()->rect().intersects(last));
    const QRect first = FileView(form)->visualRect(CellIndex(form, 0, 0));
    EXPECT_FALSE(FileView(form)->viewport()->rect().intersects(first));
}

TEST_F(AddFiles, TheOpenDialogAllowsSeveralFilesAndStartsOnTheFirstFilterInTheGivenFolder)
{
    const QStringList filters = QtNameFilters(OfferedFilterEntries(ReadableExtensions()));
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        inspected = true;
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        EXPECT_EQ(dialog->nameFilters(), filters);
        // The dialog shows the descriptions as written, without the pattern part.
        EXPECT_EQ(dialog->selectedNameFilter(), "All Supported Files");
        EXPECT_TRUE(dialog->testOption(QFileDialog::HideNameFilterDetails));
        EXPECT_EQ(dialog->directory().absolutePath() + "/", QString::fromStdString(media.dir()));
        dialog->reject();
    });
    EXPECT_EQ(ChooseFilesWithDialog(&form, filters, QString::fromStdString(media.dir())), std::nullopt);
    EXPECT_TRUE(inspected);
}

TEST_F(AddFiles, DroppedFilesAndFoldersAreMeasuredLikeChosenOnes)
{
    const QString single = file("single.bin");
    const QString folder = QString::fromStdString((media.path() / "folder").string());
    std::filesystem::create_directories(media.path() / "folder" / "sub");
    media.write("folder/sub/b.mkv", SilentWav());
    media.write("folder/a.AVI", SilentWav());
    media.write("folder/notes.txt", "x");
    media.write("folder/sub/cover.jpg", "x");
    ASSERT_TRUE(drop(FileView(form)->viewport(), {single}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return RowCount(form) == 1 && !app.state().analysisBusy; }));
    ASSERT_TRUE(drop(&form, {folder}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return RowCount(form) == 3 && !app.state().analysisBusy; }));
    const QStringList expected{single, folder + "/a.AVI", folder + "/sub/b.mkv"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(cell(row, 0), expected[row]);
        EXPECT_EQ(cell(row, 1), "320 x 240");
        EXPECT_EQ(cell(row, 3), "00:01:23");
    }
    EXPECT_EQ(encoder.calls().size(), 3u);
    EXPECT_EQ(dialogs, 0);
    expectEverythingReleased();
}

TEST_F(AddFiles, ADropIsRefusedWhileFilesAreConvertedOrMeasured)
{
    app.state().isConverting = true;
    EXPECT_FALSE(drop(FileView(form)->viewport(), {file("a.bin")}));
    app.state().isConverting = false;
    Find<QToolButton>(form, "AddFileButton")->setEnabled(false);
    EXPECT_FALSE(drop(&form, {file("a.bin")}));
    QTest::qWait(50);
    EXPECT_EQ(RowCount(form), 0);
    EXPECT_TRUE(encoder.calls().empty());
}

TEST_F(AddFiles, TheOpenDialogStartsWhereItWasLastUsedAlsoInTheNextRun)
{
    choose({file("a.bin")});
    Find<QToolButton>(form, "AddFileButton")->click();
    Find<QToolButton>(form, "AddFileButton")->click();
    const QString folder = QString::fromStdString(media.dir()).chopped(1);
    EXPECT_EQ(startFolders, QStringList({QDir::homePath(), folder}));
    form.close();
    EXPECT_NE(ReadText(encoder.file("plumly.ini")).find("[Recent]\nAddFilesDir=" + folder.toStdString() + "\n"),
              std::string::npos);

    Application next(encoder.appDir(), messages);
    EXPECT_EQ(next.settings().recentAddFilesDir(), folder);
    QString nextStart;
    next.setChooseFiles([&](QWidget*, const QStringList&, const QString& startFolder) {
        nextStart = startFolder;
        return std::optional<QStringList>();
    });
    Find<QToolButton>(next.mainWindow(), "AddFileButton")->click();
    EXPECT_EQ(nextStart, folder);
}

TEST(AddFilesWithTheRealEncoder, ProbesAnMp3InTheWindow)
{
    FakeMessages messages;
    const TempDir appDir;
    Application app(LinkedAppDir(appDir), messages);
    const QString song = QString::fromStdString(clips::Mp3());
    app.setChooseFiles([&](QWidget*, const QStringList&, const QString&) { return std::optional<QStringList>(QStringList{song}); });
    Find<QToolButton>(app.mainWindow(), "AddFileButton")->click();
    ASSERT_EQ(RowCount(app.mainWindow()), 1);
    EXPECT_EQ(CellText(app.mainWindow(), 0, 1), "0 x 0");
    EXPECT_EQ(CellText(app.mainWindow(), 0, 2), "0");
    EXPECT_EQ(CellText(app.mainWindow(), 0, 3), "00:00:07");
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
