#include "ui/ConversionBinding.h"

#include "convert/ConversionRun.h"
#include "core/FileList.h"
#include "core/Messages.h"
#include "core/Texts.h"
#include "ui/ConversionLogDialog.h"
#include "ui/MainWindow.h"

ConversionBinding::ConversionBinding(MainWindow& window, ConversionRun& run, const FileList& files,
                                     ConversionLogDialog& log, Messages& messages, QObject* parent)
    : QObject(parent)
    , run_(run)
    , files_(files)
    , log_(log)
    , messages_(messages)
{
    connect(&window, &MainWindow::convertRequested, this, &ConversionBinding::convertNow);
    connect(&window, &MainWindow::stopRequested, this, &ConversionBinding::stopConversion);
    connect(&window, &MainWindow::conversionLogRequested, &log, &ConversionLogDialog::showLatest);
    connect(&window, &MainWindow::rowDoubleClicked, this, &ConversionBinding::showLogFor);
}

void ConversionBinding::convertNow()
{
    run_.start();
}

void ConversionBinding::stopConversion()
{
    if (!run_.stopAccepted())
        return;
    if (!messages_.confirmOkCancel(texts::kConfirmCaption, texts::kStopQuestion))
        return;
    run_.stop();
}

void ConversionBinding::showLogFor(int row)
{
    if (const auto file = files_.row(row))
        log_.showFor(file->caption);
}
