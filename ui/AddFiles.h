// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Add Files: the open dialog, then each chosen file measured in turn behind
// the analysing splash, each becoming one ticked row of the file list. Runs
// on the window's thread and keeps the window alive while it waits. Files
// and folders dropped onto the window are measured and added the same way.
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class AnalysisProgressDialog;
class BusyLock;
class FileList;
class MainWindow;
class MediaInfoInspector;
class Messages;
struct SharedState;

class AddFilesHandler : public QObject {
    Q_OBJECT
public:
    // The chosen files in the dialog's order, or nothing when it is cancelled.
    // The dialog opens in `startFolder` (its own choice when empty).
    using ChooseFiles = std::function<std::optional<QStringList>(QWidget* parent, const QStringList& nameFilters,
                                                                 const QString& startFolder)>;

    // What Add Files works with and on.
    struct Parts {
        SharedState& state;
        Messages& messages;
        MainWindow& window;
        FileList& files;
        AnalysisProgressDialog& splash;
        BusyLock& busyLock;
    };

    // `lastFolder` is where the open dialog was last used (the home folder
    // when empty); it is updated on every choice.
    AddFilesHandler(const Parts& parts, QString& lastFolder, QObject* parent = nullptr);

    void addFiles();

    // Dropped files and folders: a folder stands for the audio and video files
    // inside it, at any depth, sorted by path.
    void addDropped(const QStringList& paths);

    // Whether files may be added now: not while files are measured or converted.
    bool acceptsFiles() const;

    // Replaces the open dialog, so that files can be chosen without one.
    void setChooseFiles(ChooseFiles choose) { chooseFiles_ = std::move(choose); }

private:
    // What became of the chosen files that got no row.
    struct Left {
        int listed = 0;       // in the list already, or chosen twice
        QStringList refused;  // "name reason", one a line
    };

    void addChosen(const std::function<std::optional<QStringList>()>& choose);
    void startAnalysis();
    void endAnalysis();
    void measureAndAdd(const QString& path, Left& left);
    void tellLeft(const Left& left);

    Parts parts_;
    // The extensions of the audio and video files the encoder reads.
    std::vector<std::string> readable_;
    // The media-information component (VideoInfo); its owner is the main window.
    MediaInfoInspector* videoInfo_;
    QString& lastFolder_;
    ChooseFiles chooseFiles_;
};

// The multi-select open dialog with the input-format filter, first entry selected.
std::optional<QStringList> ChooseFilesWithDialog(QWidget* parent, const QStringList& nameFilters, const QString& startFolder);
