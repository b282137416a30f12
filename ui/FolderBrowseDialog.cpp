// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FolderBrowseDialog.h"

#include "core/Texts.h"
#include "ui/Translation.h"
#include "platform/SpecialFolders.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

bool IsInside(const QString& path, const QString& root)
{
    const QString folder = QDir::cleanPath(path);
    const QString top = QDir::cleanPath(root);
    return folder == top || folder.startsWith(top.endsWith('/') ? top : top + '/');
}

QPushButton* OkButtonOf(QFileDialog* files)
{
    auto* buttons = files->findChild<QDialogButtonBox*>();
    return buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
}

} // namespace

FolderBrowseDialog::FolderBrowseDialog(QObject* owner)
    : QObject(owner)
{
}

QString FolderBrowseDialog::displayNameOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

void FolderBrowseDialog::setRootFolderId(int id)
{
    if (id == rootFolderId_)
        return;
    if (!IsSpecialFolderId(id))
        throw FolderBrowseError(texts::kInvalidSpecialFolderId);
    rootFolderId_ = id;
}

void FolderBrowseDialog::setOptions(BrowseOptions options)
{
    if (options == options_)
        return;
    const BrowseOptions switchedOn = options & ~options_;
    if (switchedOn & boNewDlgStyle)
        options &= ~BrowseOptions(boShowHelp | boStatusText);
    else if (switchedOn & (boShowHelp | boStatusText))
        options &= ~BrowseOptions(boNewDlgStyle);
    options_ = options;
}

bool FolderBrowseDialog::showDialog()
{
    root_.clear();
    if (rootFolderId_ != 0) {
        const auto path = SpecialFolderPath(rootFolderId_);
        if (!path)
            throw FolderBrowseError(texts::kRootFolderNotSupported);
        root_ = QString::fromStdString(*path);
    }
    auto* ownerWidget = qobject_cast<QWidget*>(parent());
    // The owner's window may take the browser with it; the guard notices.
    const QPointer<QDialog> browser = new QDialog(ownerWidget ? ownerWidget->window() : nullptr);
    window_ = browser;
    buildBrowser();
    QTimer::singleShot(0, window_, [this] { setUp(); });
    const bool chosen = window_->exec() == QDialog::Accepted;
    const QString chosenPath = chosen ? files_->selectedFiles().value(0) : QString();
    closing();
    delete browser;
    window_ = nullptr;
    files_ = nullptr;
    helpButton_ = nullptr;
    statusLine_ = nullptr;
    if (!chosen)
        return false;
    folderName_ = chosenPath;
    displayName_ = displayNameOf(chosenPath);
    return true;
}

void FolderBrowseDialog::buildBrowser()
{
    const bool newStyle = options_ & boNewDlgStyle;
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (options_ & boContextHelp)
        flags |= Qt::WindowContextHelpButtonHint;
    window_->setWindowFlags(flags);
    window_->setObjectName("BrowseForFolder");
    window_->setSizeGripEnabled(newStyle);

    auto* layout = new QVBoxLayout(window_);
    auto* headline = new QLabel(headline_, window_);
    headline->setObjectName("Headline");
    headline->setVisible(!headline_.isEmpty());
    layout->addWidget(headline);

    files_ = new QFileDialog(window_);
    files_->setWindowFlags(Qt::Widget);
    files_->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
    files_->setFileMode(QFileDialog::Directory);
    window_->setWindowTitle(files_->windowTitle());
    files_->setDirectory(root_.isEmpty() ? QDir::homePath() : root_);
    if (!root_.isEmpty()) {
        // The browser's root: the tree never goes above it.
        files_->setSidebarUrls({QUrl::fromLocalFile(root_)});
        connect(files_, &QFileDialog::directoryEntered, files_, [this](const QString& folder) {
            if (!IsInside(folder, root_))
                files_->setDirectory(root_);
        });
    }
    connect(files_, &QFileDialog::currentChanged, this, &FolderBrowseDialog::selectionMoved);
    connect(files_, &QDialog::accepted, window_, &QDialog::accept);
    connect(files_, &QDialog::rejected, window_, &QDialog::reject);
    layout->addWidget(files_);

    auto* bottom = new QHBoxLayout;
    statusLine_ = new QLabel(window_);
    statusLine_->setObjectName("StatusText");
    statusLine_->setVisible(options_ & boStatusText);
    bottom->addWidget(statusLine_, 1);
    if ((options_ & boShowHelp) && !newStyle) {
        helpButton_ = new QPushButton(Tr(texts::kBrowseHelpButton), window_);
        helpButton_->setObjectName("HelpButton");
        helpButton_->setEnabled(helpContext_ != 0);
        connect(helpButton_, &QPushButton::clicked, this, &FolderBrowseDialog::requestHelp);
        bottom->addWidget(helpButton_);
    }
    layout->addLayout(bottom);
    if (!newStyle)
        layout->setSizeConstraint(QLayout::SetFixedSize);
    if (!(options_ & boContextHelp)) {
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window_);
        connect(f1, &QShortcut::activated, this, &FolderBrowseDialog::requestHelp);
    }
}

void FolderBrowseDialog::setUp()
{
    const QFileInfo folder(folderName_);
    if (!folderName_.isEmpty() && folder.isDir() && (root_.isEmpty() || IsInside(folder.absoluteFilePath(), root_))) {
        files_->setDirectory(folder.absolutePath());
        files_->selectFile(folder.absoluteFilePath());
    }
    // The name field holds the preselected folder; selected, it gives way to
    // a path typed over it.
    if (auto* name = files_->findChild<QLineEdit*>("fileNameEdit")) {
        name->setFocus();
        name->selectAll();
    }
    if (!title_.isEmpty())
        window_->setWindowTitle(title_);
    initialised();
}

void FolderBrowseDialog::selectionMoved(const QString& path)
{
    QPushButton* ok = OkButtonOf(files_);
    bool okEnabled = ok && ok->isEnabled();
    QString statusText;
    selectionChanged(path, statusText, okEnabled);
    if (ok && okEnabled != ok->isEnabled())
        ok->setEnabled(okEnabled);
    if (options_ & boStatusText)
        statusLine_->setText(statusText);
}

void FolderBrowseDialog::requestHelp()
{
    if (helpContext_ != 0)
        emit helpRequested(helpContext_);
}
