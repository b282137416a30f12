#include "ui/Application.h"

#include "ui/BusyLock.h"
#include "ui/ShellBinder.h"
#include "ui/TForm1.h"
#include "ui/TForm4.h"
#include "ui/TFormAbout.h"
#include "ui/ConversionBinding.h"
#include "ui/TForm3.h"
#include "ui/AddFiles.h"
#include "ui/TFormAnalyzingSplash.h"
#include "platform/RegScript.h"
#include "ui/ProfileView.h"

Application::Application(const std::string& appDir, Messages& messages_)
    : messages(messages_)
{
    state.appDir = appDir;
    Form1 = std::make_unique<TForm1>(state);
    platform::StartRegScript(state.appDir);
    FormAnalyzingSplash = new TFormAnalyzingSplash(state, Form1.get());
    FormAbout = new TFormAbout(Form1.get());
    Form3 = new TForm3(Form1.get());
    Form4 = new TForm4(state, messages, Form1.get());
    shell = std::make_unique<ShellBinder>(*this);
    busyLock = std::make_unique<BusyLock>(*Form1, *Form4);
    addFiles = BindAddFiles(*this);
    conversion = BindConversion(*this);
    QObject::connect(Form1.get(), &TForm1::shown, Form1.get(), [this] { FormShow(); });
}

Application::~Application() = default;

void Application::FormShow()
{
    state.suppressShutdownConfirm = false;
    Form1->profileView->ComboOutputFormatChange();
}
