#include "core/AppPlaces.h"
#include "core/Texts.h"
#include "core/Version.h"
#include "ui/Application.h"
#include "ui/GuiMessages.h"
#include "ui/MainWindow.h"
#include "ui/DBusNotifier.h"
#include "platform/LogindPowerOff.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(texts::kApplicationTitle);
    QApplication::setApplicationVersion(kVersion);
    // Docks and task bars find the menu entry's icon through it.
    QGuiApplication::setDesktopFileName(kAppId);
    GuiMessages messages;
    Application app(CurrentAppPlaces(), messages);
    messages.setParent(&app.mainWindow());
    app.setPowerOff(std::make_unique<LogindPowerOff>());
    app.setNotifier(std::make_unique<DBusNotifier>());
    app.mainWindow().centreOnScreen();
    app.mainWindow().show();
    app.endOnSignals();
    app.offerRestore();
    return QApplication::exec();
}
