#pragma once
// FolderBrowseDialog: a folder browser over a directory-only QFileDialog, with
// a text above the tree, an optional status line and help button, a root
// folder given by a special-folder identifier, and events on set-up,
// selection change and close. ShowDialog is modal; while it runs the
// browser window is Handle() and its file dialog BrowserFiles(), so that
// OnInitialise (or a test) can drive it.
#include <QFlags>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <stdexcept>

class QDialog;
class QFileDialog;
class QLabel;
class QPushButton;

class FolderBrowseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FolderBrowseDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE setTitle)
    Q_PROPERTY(QString FolderName READ FolderName WRITE setFolderName)
    Q_PROPERTY(int RootFolderID READ RootFolderID WRITE setRootFolderID)
    Q_PROPERTY(QString Headline READ Headline WRITE setHeadline)
    Q_PROPERTY(BrowseOptions Options READ Options WRITE setOptions)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE setHelpContext)

public:
    enum BrowseOption {
        boShowHelp = 1,     // a "&Help" button (classic style only)
        boContextHelp = 2,  // the title bar's help button; without it F1 asks for HelpContext
        boStatusText = 4,   // a status line filled from the events' StatusText
        boDirsOnly = 8,     // only file-system folders (every folder here is one)
        boNewDlgStyle = 16, // the resizable style
    };
    Q_DECLARE_FLAGS(BrowseOptions, BrowseOption)
    Q_FLAG(BrowseOptions)

    using NotifyEvent = std::function<void(QObject* sender)>;
    using SelectionChangeEvent = std::function<void(QObject* sender, const QString& folderName,
                                                       const QString& displayName, QString& statusText, bool& okEnabled)>;
    // PIDL is the selected item's location.
    using SelectionChangeEventEx =
        std::function<void(QObject* sender, const QUrl& pidl, QString& statusText, bool& okEnabled)>;

    explicit FolderBrowseDialog(QObject* owner = nullptr);

    QString Title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    QString FolderName() const { return folderName_; }
    void setFolderName(const QString& folderName) { folderName_ = folderName; }
    int RootFolderID() const { return rootFolderId_; }
    // Throws FolderBrowseError "Invalid special folder ID" for an identifier outside the table.
    void setRootFolderID(int id);
    QString Headline() const { return headline_; }
    void setHeadline(const QString& headline) { headline_ = headline; }
    BrowseOptions Options() const { return options_; }
    // Keeps the set consistent: switching boNewDlgStyle on drops boShowHelp
    // and boStatusText; otherwise switching either of those on drops boNewDlgStyle.
    void setOptions(BrowseOptions options);
    int HelpContext() const { return helpContext_; }
    void setHelpContext(int helpContext) { helpContext_ = helpContext; }

    NotifyEvent OnInitialise;
    SelectionChangeEvent OnSelChange;
    SelectionChangeEventEx OnSelChangeEx;
    NotifyEvent OnClose;

    // True with FolderName set to the chosen folder; false when cancelled.
    // Throws FolderBrowseError "Root folder not supported on this system" when
    // the root identifier has no folder here.
    bool ShowDialog();

    // The chosen folder's display name after a successful choice.
    QString DisplayName() const { return displayName_; }
    // The browser window while it is open, else null.
    QDialog* Handle() const { return window_; }
    QFileDialog* BrowserFiles() const { return files_; }
    QPushButton* HelpButton() const { return helpButton_; }
    QLabel* StatusLine() const { return statusLine_; }

signals:
    // The Help button or F1 asks for this help topic (never 0).
    void helpRequested(int helpContext);

private:
    void buildBrowser();
    void Initialised();
    void SelectionChanged(const QString& path);
    void requestHelp();

    QString title_;
    QString folderName_;
    int rootFolderId_ = 0;
    QString headline_;
    BrowseOptions options_{boContextHelp, boDirsOnly};
    int helpContext_ = 0;
    QString displayName_;
    QString root_; // the root's folder while the browser is open; empty for the desktop
    QDialog* window_ = nullptr;
    QFileDialog* files_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QLabel* statusLine_ = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(FolderBrowseDialog::BrowseOptions)
