#pragma once
// The main window: builds its controls where the layout puts them and binds
// their events. What the events do lives in the folders that own it.
#include <QMainWindow>
#include <QRect>

#include <vector>

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
class QTableWidget;
class QToolButton;
class ProfileView;
class StatusBarPanels;
struct SharedState;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(SharedState& state, QWidget* parent = nullptr);

    // Controls, by their form names.
    QToolButton* addFilesButton = nullptr;
    QToolButton* stopButton = nullptr;
    QToolButton* convertButton = nullptr;
    QToolButton* removeButton = nullptr;
    QToolButton* clearAllButton = nullptr;
    QTableWidget* fileList = nullptr;
    QComboBox* formatCombo = nullptr;
    QLabel* outputDirLabel = nullptr;
    QLineEdit* outputDirEdit = nullptr;
    QToolButton* browseFolderButton = nullptr;
    QComboBox* videoCodecCombo = nullptr;
    QComboBox* videoSizeCombo = nullptr;
    QComboBox* videoBitrateCombo = nullptr;
    QComboBox* frameRateCombo = nullptr;
    QComboBox* audioCodecCombo = nullptr;
    QComboBox* audioBitrateCombo = nullptr;
    QComboBox* channelsCombo = nullptr;
    QComboBox* samplingRateCombo = nullptr;
    QComboBox* letterBoxCombo = nullptr;
    QComboBox* muteAudioCombo = nullptr;
    QSlider* volumeSlider = nullptr;
    QLabel* volumeLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    QToolButton* smallStopButton = nullptr;
    QStatusBar* statusBarWidget = nullptr;
    StatusBarPanels* statusPanels = nullptr;
    QPlainTextEdit* lineBuffer = nullptr;
    QAction* addFilesAction = nullptr;
    QAction* convertAction = nullptr;
    QAction* conversionLogAction = nullptr;
    QAction* openOutputFolderAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* optionsAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* websiteAction = nullptr;
    QAction* aboutAction = nullptr;

    // The option lists' model and the format switch (switchFormat).
    ProfileView* profileView = nullptr;

    // Text of one status-bar panel (0 to 2).
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString& text);

    // Places the window in the middle of its screen.
    void centreOnScreen();

signals:
    // The window was shown for the first time.
    void shown();
    // A close request was granted; the settings are written now.
    void closing();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildButtonRow(QWidget* client);
    void buildFileList(QWidget* client);
    void buildFormatRow(QWidget* client);
    void buildVideoGroup(QWidget* client);
    void buildAudioGroup(QWidget* client);
    void buildGeneralGroup(QWidget* client);
    void buildProgressRow(QWidget* client);
    void buildMenus();
    void buildShortcuts();
    void createControls();
    void fitLabels();
    // The full path of a file-list row whose caption cell has no tip of its own.
    bool showPathTip(QHelpEvent* help);
    QComboBox* makeGroupCombo(QGroupBox* group, const char* name, const QString& label, int row, int labelWidth,
                              int comboWidth);

    // A label and the field it names, with the places the layout gives them.
    struct LabelledField {
        QLabel* label;
        QWidget* field;
        QRect labelRect;
        QRect fieldRect;
    };

    SharedState& state_;
    std::vector<LabelledField> labelledFields_;
    bool shownOnce_ = false;
};
