#include "core/Texts.h"
#include "ui/Application.h"
#include "ui/GuiMessages.h"
#include "ui/MainWindow.h"
#include "ui/ConversionBinding.h"
#include "ui/DBusNotifier.h"
#include "platform/LogindPowerOff.h"
#include "platform/AppDir.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(texts::kApplicationTitle);
    GuiMessages messages;
    Application app(platform::ExecutableDir(), messages);
    messages.setParent(app.mainWindow.get());
    app.conversion->setPowerOff(std::make_unique<LogindPowerOff>());
    app.conversion->setNotifier(std::make_unique<DBusNotifier>());
    app.mainWindow->centreOnScreen();
    app.mainWindow->show();
    return QApplication::exec();
}
