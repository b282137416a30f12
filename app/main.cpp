#include "app/AppTexts.h"
#include "app/Application.h"
#include "app/GuiMessages.h"
#include "app/TForm1.h"
#include "convert/ConversionBinding.h"
#include "convert/LogindPowerOff.h"
#include "platform/AppDir.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(texts::kApplicationTitle);
    GuiMessages messages;
    Application app(platform::ExecutableDir(), messages);
    messages.setParent(app.Form1.get());
    app.conversion->setPowerOff(std::make_unique<LogindPowerOff>());
    app.Form1->show();
    return QApplication::exec();
}
