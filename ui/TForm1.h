#pragma once
// The main window: builds its controls where the layout puts them and binds
// their events. What the events do lives in the folders that own it.
#include <QMainWindow>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QSlider;
class QStatusBar;
class QTableWidget;
class QToolButton;
class ProfileView;
struct SharedState;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(SharedState& state, QWidget* parent = nullptr);

    // Controls, by their form names.
    QToolButton* AddFileButton = nullptr;
    QToolButton* StopConvertButton = nullptr;
    QToolButton* ConvertNowButton = nullptr;
    QToolButton* RemoveButton = nullptr;
    QToolButton* ClearAllButton = nullptr;
    QTableWidget* ListView1 = nullptr;
    QComboBox* ComboOutputFormat = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* ButtonBrowseForFolder = nullptr;
    QComboBox* ComboVideoCodec = nullptr;
    QComboBox* ComboVideoSize = nullptr;
    QComboBox* ComboVideoBitrate = nullptr;
    QComboBox* ComboVideoFramerate = nullptr;
    QComboBox* ComboAudioCodec = nullptr;
    QComboBox* ComboAudioBitrate = nullptr;
    QComboBox* ComboAudioChannel = nullptr;
    QComboBox* ComboSamplingRate = nullptr;
    QComboBox* ComboLetterBox = nullptr;
    QComboBox* ComboMuteAudio = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label14 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QToolButton* ButtonStopSmall = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QAction* AddFiles1 = nullptr;
    QAction* Convert1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* SetGeneralOptions1 = nullptr;
    QAction* OpenHelpFile1 = nullptr;
    QAction* VisitOurWebsite1 = nullptr;
    QAction* About1 = nullptr;

    // The option lists' model and the format switch (ComboOutputFormatChange).
    ProfileView* profileView = nullptr;

    // Text of one status-bar panel (0 to 2).
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString& text);

signals:
    // The window was shown for the first time.
    void shown();
    // A close request was granted; the settings are written now.
    void closing();

protected:
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
    void FormCreate();
    void Label1MouseEnter();

    SharedState& state_;
    QList<class QLabel*> statusPanels_;
    bool shownOnce_ = false;
};
