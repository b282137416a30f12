// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FolderChooser.h"

#include "core/SharedState.h"
#include "core/Texts.h"
#include "ui/Translation.h"
#include "ui/FolderBrowseDialog.h"
#include "ui/MainWindow.h"

FolderChooser::FolderChooser(MainWindow& window, const QWidget& splash, const SharedState& state, QObject* parent)
    : QObject(parent)
    , window_(window)
    , splash_(splash)
    , state_(state)
    , browser_(new FolderBrowseDialog(&window))
{
    browser_->setObjectName("BrowseForFolder1");
    browser_->setFolderName(Tr(texts::kBrowseFolderName));
    browser_->setHeadline(Tr(texts::kBrowseHeadline));
    browser_->setTitle(Tr(texts::kBrowseTitle));
    browser_->setOptions(FolderBrowseDialog::boContextHelp | FolderBrowseDialog::boDirsOnly
                         | FolderBrowseDialog::boNewDlgStyle);
    connect(&window, &MainWindow::browseFolderRequested, this, &FolderChooser::chooseOutputFolder);
}

void FolderChooser::chooseOutputFolder()
{
    if (splash_.isVisible() || state_.isConverting)
        return;
    if (browser_->showDialog())
        window_.setOutputDir(browser_->folderName());
}
