// SPDX-License-Identifier: GPL-3.0-or-later
// The window as its own process for the tests that end it by a signal: the
// application as main() builds it, its output folder and rows given on the
// command line ("path|duration" each), converting from the start. The list
// is written as soon as it changes, so that a test sees each step.
//   window_process APPDIR OUTDIR FILE|00:01:30 ...
#include "support/FakeMessages.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/SessionKeeper.h"

#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    if (argc < 4)
        return 2;
    FakeMessages messages;
    Application app(argv[1], messages);
    MainWindow& window = app.mainWindow();
    app.session().writeTimer().setInterval(20);
    window.findChild<QLineEdit*>("Edit1")->setText(argv[2]);
    for (int arg = 3; arg < argc; ++arg) {
        const std::string given = argv[arg];
        const auto bar = given.rfind('|');
        FileRow row;
        row.caption = given.substr(0, bar);
        row.cells = {"320 x 240", "25", given.substr(bar + 1), "MP4", "", ""};
        app.files().append(row);
    }
    window.show();
    app.endOnSignals();
    QMetaObject::invokeMethod(window.findChild<QToolButton*>("ConvertNowButton"), &QToolButton::click,
                              Qt::QueuedConnection);
    return QApplication::exec();
}
