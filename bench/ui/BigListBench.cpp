// SPDX-License-Identifier: GPL-3.0-or-later
// The window with 5,000 rows (offscreen): adding them, checking them all,
// converting them (a stand-in encoder; one row in a hundred names a file
// that exists, the others are gone), removing rows and clearing the list.
// Prints the longest event the window's thread handled in each step;
// target at most 100 ms.
#include "convert/WorkerTask.h"
#include "support/FakeMessages.h"
#include "support/MediaFixtures.h"
#include "support/StandInAppDir.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kRows = 5000;
constexpr int kExistingEvery = 100;
constexpr int kRowsPerTurn = 50; // rows Add Files appends between two turns of the event loop
constexpr int kRemoved = 100;
constexpr double kTargetMs = 100.0;

// Times every event the window's thread handles, outermost only.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (depth_++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --depth_;
            return handled;
        }
        QElapsedTimer timer;
        timer.start();
        const bool handled = QApplication::notify(receiver, event);
        longestMs_ = std::max(longestMs_, timer.nsecsElapsed() / 1e6);
        --depth_;
        return handled;
    }

    // The longest event since the last call.
    double takeLongestMs() { return std::exchange(longestMs_, 0.0); }

private:
    int depth_ = 0;
    double longestMs_ = 0;
};

void Print(const char* step, double ms)
{
    std::printf("  %-36s %8.1f ms   ratio to target %.2f\n", step, ms, ms / kTargetMs);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication application(argc, argv);
    StandInAppDir encoder;
    fixtures::ClipSettings settings = fixtures::ClipFor("mp4");
    settings.seconds = 0.5;
    const std::string clip = encoder.appDir() + "clip.mp4";
    fixtures::MakeClip(clip, settings);
    encoder.script(scripts::GoodMediaRun(clip, "00:00:00.50"));

    FakeMessages messages;
    Application app(encoder.appDir(), messages);
    MainWindow& window = app.mainWindow();
    window.show();
    window.setOutputDir(QString::fromStdString(encoder.outputDir()));
    std::printf("The window's longest event with %d rows (target %.0f ms)\n", kRows, kTargetMs);

    application.takeLongestMs();
    for (int row = 0; row < kRows; ++row) {
        FileRow file;
        file.caption = row % kExistingEvery == 0 ? encoder.input("in" + std::to_string(row) + ".avi")
                                                 : encoder.outputDir() + "/gone" + std::to_string(row) + ".avi";
        file.cells = {"320 x 240", "25", "00:00:01", "MP4", "", ""};
        app.files().append(file);
        if (row % kRowsPerTurn == 0)
            QCoreApplication::processEvents();
    }
    QTest::qWait(50);
    Print("adding", application.takeLongestMs());

    window.findChild<QAction*>("CheckAllItems1")->trigger();
    QTest::qWait(50);
    Print("checking all", application.takeLongestMs());

    const WorkerTask* worker = window.findChild<WorkerTask*>("BMDThreadConvertNow");
    window.findChild<QAbstractButton*>("ConvertNowButton")->click();
    if (!QTest::qWaitFor([worker] { return !worker->isRunning(); }, 3600000)) {
        std::fprintf(stderr, "the batch did not end\n");
        return 1;
    }
    QTest::qWait(50);
    Print("converting", application.takeLongestMs());

    QTableView* view = window.findChild<QTableView*>("ListView1");
    for (int removed = 0; removed < kRemoved; ++removed) {
        view->selectionModel()->select(view->model()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        window.findChild<QAbstractButton*>("RemoveButton")->click();
        QCoreApplication::processEvents();
    }
    Print("removing rows one by one", application.takeLongestMs());

    window.findChild<QAbstractButton*>("ClearAllButton")->click();
    QTest::qWait(50);
    Print("clearing", application.takeLongestMs());
    return 0;
}
