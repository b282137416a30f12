#include "app/AppTexts.h"
#include "app/Application.h"
#include "app/GuiMessages.h"
#include "app/TForm1.h"
#include "platform/AppDir.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(texts::kApplicationTitle);
    QApplication::setApplicationDisplayName(texts::kApplicationTitle);
    GuiMessages messages;
    Application app(platform::ExecutableDir(), messages);
    messages.setParent(app.Form1.get());
    app.Form1->show();
    return QApplication::exec();
}
