// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AppPlaces.h"
#include "core/Texts.h"
#include "core/Version.h"
#include "ui/Application.h"
#include "ui/GuiMessages.h"
#include "ui/MainWindow.h"
#include "ui/DBusNotifier.h"
#include "platform/LogindPowerOff.h"
#include "ui/StartArguments.h"
#include "ui/Translation.h"

#include <QApplication>
#include <QLocale>

#include <iostream>

int main(int argc, char* argv[])
{
    // The usage and the version need no display: they are told before the
    // window's application starts (and takes its own options away).
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const StartArguments early = ParseStartArguments(given);
    if (early.help || early.version) {
        std::cout << (early.help ? StartUsage().toStdString() : std::string("vantorel ") + kVersion + "\n");
        return 0;
    }
    QApplication qtApp(argc, argv);
    const StartArguments start = ParseStartArguments(QApplication::arguments().mid(1));
    if (!start.error.isEmpty()) {
        std::cerr << "vantorel: " << start.error.toStdString() << "\nTry 'vantorel --help'.\n";
        return 2;
    }
    QApplication::setApplicationName(texts::kApplicationTitle);
    QApplication::setApplicationVersion(kVersion);
    // Docks and task bars find the menu entry's icon through it.
    QGuiApplication::setDesktopFileName(kAppId);
    const AppPlaces places = CurrentAppPlaces();
    // The window speaks the user's language where a catalogue has it.
    InstallTranslation(QString::fromStdString(places.helpDir), QLocale());
    GuiMessages messages;
    Application app(places, messages);
    messages.setParent(&app.mainWindow());
    app.setPowerOff(std::make_unique<LogindPowerOff>());
    app.setNotifier(std::make_unique<DBusNotifier>());
    app.mainWindow().centreOnScreen();
    app.mainWindow().show();
    app.endOnSignals();
    app.offerRestore();
    app.addAtStart(start.files);
    return QApplication::exec();
}
