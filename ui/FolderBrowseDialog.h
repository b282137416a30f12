// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FolderBrowseDialog: a folder browser over a directory-only QFileDialog, with
// a text above the tree, an optional status line and help button, and a root
// folder given by a special-folder identifier. showDialog is modal; while it
// runs the browser window is handle() and its file dialog browserFiles().
// The browser's set-up, each change of selection and its close call
// virtual steps that do nothing here (compat/ raises its events from them).
#include <QFlags>
#include <QObject>
#include <QString>
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
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(QString FolderName READ folderName WRITE setFolderName)
    Q_PROPERTY(int RootFolderID READ rootFolderId WRITE setRootFolderId)
    Q_PROPERTY(QString Headline READ headline WRITE setHeadline)
    Q_PROPERTY(BrowseOptions Options READ options WRITE setOptions)
    Q_PROPERTY(int HelpContext READ helpContext WRITE setHelpContext)

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

    explicit FolderBrowseDialog(QObject* owner = nullptr);
    ~FolderBrowseDialog() override = default;

    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    QString folderName() const { return folderName_; }
    void setFolderName(const QString& folderName) { folderName_ = folderName; }
    int rootFolderId() const { return rootFolderId_; }
    // Throws FolderBrowseError "Invalid special folder ID" for an identifier outside the table.
    void setRootFolderId(int id);
    QString headline() const { return headline_; }
    void setHeadline(const QString& headline) { headline_ = headline; }
    BrowseOptions options() const { return options_; }
    // Keeps the set consistent: switching boNewDlgStyle on drops boShowHelp
    // and boStatusText; otherwise switching either of those on drops boNewDlgStyle.
    void setOptions(BrowseOptions options);
    int helpContext() const { return helpContext_; }
    void setHelpContext(int helpContext) { helpContext_ = helpContext; }

    // True with folderName set to the chosen folder; false when cancelled.
    // Throws FolderBrowseError "Root folder not supported on this system" when
    // the root identifier has no folder here.
    bool showDialog();

    // The chosen folder's display name after a successful choice.
    QString displayName() const { return displayName_; }
    // The browser window while it is open, else null.
    QDialog* handle() const { return window_; }
    QFileDialog* browserFiles() const { return files_; }
    QPushButton* helpButton() const { return helpButton_; }
    QLabel* statusLine() const { return statusLine_; }

    // The name a folder is shown by.
    static QString displayNameOf(const QString& path);

signals:
    // The Help button or F1 asks for this help topic (never 0).
    void helpRequested(int helpContext);

protected:
    // The browser is set up and shown.
    virtual void initialised() {}
    // The selection moved to `path`; the status line and the OK button take
    // what the step leaves in `statusText` and `okEnabled`.
    virtual void selectionChanged(const QString& /*path*/, QString& /*statusText*/, bool& /*okEnabled*/) {}
    // The browser is closing.
    virtual void closing() {}

private:
    void buildBrowser();
    void setUp();
    void selectionMoved(const QString& path);
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
