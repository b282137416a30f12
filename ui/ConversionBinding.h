// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Binds the conversion to the main window: "Convert Now !" starts the
// worker (asking first when checked rows were converted already), "Stop
// Convert" asks and stops; the conversion log opens from the
// File menu and from a double-clicked row.
#include <QObject>

class ConversionLogDialog;
class ConversionRun;
class FileList;
class MainWindow;
class Messages;

class ConversionBinding : public QObject {
    Q_OBJECT
public:
    ConversionBinding(MainWindow& window, ConversionRun& run, FileList& files, ConversionLogDialog& log,
                      Messages& messages, QObject* parent = nullptr);

    void convertNow();
    void stopConversion();
    // The log, with the latest run of the row's file selected.
    void showLogFor(int row);

private:
    // Whether the batch may go on: converted rows again, or left out (their
    // ticks cleared), or nothing at all.
    bool askAboutConvertedRows();

    ConversionRun& run_;
    FileList& files_;
    ConversionLogDialog& log_;
    Messages& messages_;
};
