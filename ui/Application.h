#pragma once
// Start-up: the shared state, the five windows in their creation order, and
// the bindings between them.
#include "core/SharedState.h"

#include <memory>
#include <string>

class Messages;
class TForm1;
class TForm3;
class TForm4;
class TFormAbout;
class TFormAnalyzingSplash;
class BusyLock;
class AddFilesHandler;
class ConversionBinding;
class ShellBinder;

class Application {
public:
    Application(const std::string& appDir, Messages& messages);
    ~Application();

    SharedState state;
    Messages& messages;
    std::unique_ptr<TForm1> Form1;
    TFormAnalyzingSplash* FormAnalyzingSplash = nullptr;
    TFormAbout* FormAbout = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    std::unique_ptr<BusyLock> busyLock;
    std::unique_ptr<ShellBinder> shell; // settings, options dialog, help, about, folder chooser, list commands
    AddFilesHandler* addFiles = nullptr;
    std::unique_ptr<ConversionBinding> conversion;

private:
    void FormShow();
};
