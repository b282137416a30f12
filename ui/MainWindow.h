// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: builds its controls where the layout puts them and tells
// of their commands by signals. What the commands do lives in the binders
// that the application connects to them; they reach the controls only
// through the accessors below.
#include "core/WindowPlacement.h"
#include "ui/ProfileControls.h"

#include <QMainWindow>
#include <QRect>

#include <optional>
#include <vector>

class QAbstractItemModel;
class QAction;
class QComboBox;
class QGroupBox;
class QHelpEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QSlider;
class QStatusBar;
class QTableView;
class QToolButton;
class GrowingLayout;
class StatusBarPanels;
struct SharedState;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `files`: the model the file list shows.
    MainWindow(SharedState& state, QAbstractItemModel& files, QWidget* parent = nullptr);

    // The file list (ListView1).
    QTableView& fileView() const { return *fileList_; }
    ProfileControls profileControls() const;
    StatusBarPanels& statusPanels() const { return *statusPanels_; }

    QString outputDir() const;
    void setOutputDir(const QString& folder);
    // The selections of the format list and the letterbox list; set by code
    // with their signals blocked, so that no format switch runs.
    int formatIndex() const;
    void setFormatIndex(int index);
    int letterBoxIndex() const;
    void setLetterBoxIndex(int index);

    // "Add Files" and "Convert Now !", which the busy lock leaves alone.
    void setStartControlsEnabled(bool enabled);
    // While a batch runs both Stop buttons work and the folder button does not.
    void setBatchRunning(bool running);
    // Whether files may be added by the button and the menu entry.
    bool addFilesEnabled() const;
    // The busy lock's part of the window: the format list, Remove, Clear
    // All and the menu entries.
    void setBusy(bool busy);

    // The progress bar; values beyond its ends are held at them.
    void setProgress(int position);
    // Text of one status-bar panel (0 to 2).
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString& text);
    // Brings the row into view when it exists; a partly visible row is enough.
    void scrollToRow(int row);

    // Places the window where it was last (setSavedPlacement), or else at
    // its design size in the middle of its screen; never larger than the
    // screen's available area, which also bounds its smallest size.
    void centreOnScreen();
    // Where the window is, how large, and its list's column widths.
    WindowPlacement placement() const;
    void setSavedPlacement(const WindowPlacement& placement);

signals:
    // The window was shown for the first time.
    void shown();
    // A close request was granted; the settings are written now.
    void closing();
    void addFilesRequested();
    void convertRequested();
    void stopRequested();
    void removeRequested();
    void clearAllRequested();
    void browseFolderRequested();
    void optionsRequested();
    void helpRequested();
    void websiteRequested();
    void aboutRequested();
    void openOutputFolderRequested();
    void conversionLogRequested();
    void rowDoubleClicked(int row);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildButtonRow(QWidget* client);
    void buildFileList(QWidget* client, QAbstractItemModel& files);
    void buildFormatRow(QWidget* client);
    void buildVideoGroup(QWidget* client);
    void buildAudioGroup(QWidget* client);
    void buildGeneralGroup(QWidget* client);
    void buildProgressRow(QWidget* client);
    void buildMenus();
    void buildShortcuts();
    void createControls();
    void fitLabels();
    // The first column takes the room the list gains beyond its design width.
    void fitFirstColumn();
    QSize designSize() const;
    // The full path of a file-list row whose caption cell has no tip of its own.
    bool showPathTip(QHelpEvent* help);
    QComboBox* makeGroupCombo(QGroupBox* group, const char* name, const QString& label, int row, int labelWidth,
                              int comboWidth, int rows = 4);

    // A label and the field it names, with the places the layout gives them.
    struct LabelledField {
        QLabel* label;
        QWidget* field;
        QRect labelRect;
        QRect fieldRect;
    };

    SharedState& state_;
    std::vector<LabelledField> labelledFields_;
    GrowingLayout* growing_ = nullptr;
    std::optional<WindowPlacement> savedPlacement_;
    // The first column's width at the list's design width.
    int firstColumnBase_ = 0;
    bool fittingColumn_ = false;

    QToolButton* addFilesButton_ = nullptr;
    QToolButton* stopButton_ = nullptr;
    QToolButton* convertButton_ = nullptr;
    QToolButton* removeButton_ = nullptr;
    QToolButton* clearAllButton_ = nullptr;
    QToolButton* browseFolderButton_ = nullptr;
    QToolButton* smallStopButton_ = nullptr;
    QTableView* fileList_ = nullptr;
    QComboBox* formatCombo_ = nullptr;
    QLineEdit* outputDirEdit_ = nullptr;
    QSlider* volumeSlider_ = nullptr;
    QLabel* volumeLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    StatusBarPanels* statusPanels_ = nullptr;
    QPlainTextEdit* lineBuffer_ = nullptr;
    QAction* addFilesAction_ = nullptr;
    QAction* convertAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* websiteAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
};
