#pragma once
// Add Files: the open dialog, then each chosen file measured in turn behind
// the analysing splash, each becoming one ticked row of the file list. Runs
// on the window's thread and keeps the window alive while it waits.
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class Application;
class BusyLock;
class Messages;
class MainWindow;
class AnalysisProgressDialog;
class MediaInfoInspector;
struct SharedState;

class AddFilesHandler : public QObject {
    Q_OBJECT
public:
    // The chosen files in the dialog's order, or nothing when it is cancelled.
    using ChooseFiles = std::function<std::optional<QStringList>(QWidget* parent, const QStringList& nameFilters)>;

    AddFilesHandler(SharedState& state, Messages& messages, MainWindow& window, AnalysisProgressDialog& splash, BusyLock& busyLock);

    void AddFiles();

    // Replaces the open dialog, so that files can be chosen without one.
    void setChooseFiles(ChooseFiles choose) { chooseFiles_ = std::move(choose); }

    // The media-information component; its owner is the main window.
    MediaInfoInspector& VideoInfo() { return *videoInfo_; }

private:
    void StartAnalysis();
    void EndAnalysis();
    void MeasureAndAdd(const QString& path);

    SharedState& state_;
    Messages& messages_;
    MainWindow& window_;
    AnalysisProgressDialog& splash_;
    BusyLock& busyLock_;
    MediaInfoInspector* videoInfo_;
    ChooseFiles chooseFiles_;
};

// The multi-select open dialog with the input-format filter, first entry selected.
std::optional<QStringList> ChooseFilesWithDialog(QWidget* parent, const QStringList& nameFilters);

// Makes the handler (owned by the main window) and binds the Add Files button to it.
AddFilesHandler* BindAddFiles(Application& app);
