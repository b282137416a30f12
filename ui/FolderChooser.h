// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output folder chooser: the folder button opens the folder browser on
// the output directory, and a chosen folder becomes the output directory.
// Nothing happens while files are analysed or converted.
#include <QObject>

class FolderBrowseDialog;
class MainWindow;
class QWidget;
struct SharedState;

class FolderChooser : public QObject {
    Q_OBJECT
public:
    // `splash`: the analysing splash, shown while files are analysed.
    FolderChooser(MainWindow& window, const QWidget& splash, const SharedState& state, QObject* parent = nullptr);

    void chooseOutputFolder();

private:
    MainWindow& window_;
    const QWidget& splash_;
    const SharedState& state_;
    FolderBrowseDialog* browser_;
};
