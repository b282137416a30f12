// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the folder browser as a user would, while it runs modal.
#include "support/TempDir.h"
#include "ui/FolderBrowseDialog.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>

using Dlg = FolderBrowseDialog;

inline QString Path(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Runs `act` once, on the browser, as soon as it is up and set up; a
// browser that never opens runs nothing.
class WhenUp {
public:
    WhenUp(const FolderBrowseDialog& dialog, std::function<void()> act)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, &dialog, act = std::move(act)] {
            if (dialog.handle() == nullptr || !dialog.handle()->isVisible())
                return;
            poll_.stop();
            // After the browser's own set-up, which is due as it shows.
            QTimer::singleShot(0, dialog.handle(), act);
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

// Types `folder` into the open browser's name field and presses its OK button.
inline void ChooseFolder(FolderBrowseDialog* browser, const QString& folder)
{
    QFileDialog* files = browser->browserFiles();
    files->findChild<QLineEdit*>("fileNameEdit")->setText(folder);
    files->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
}

// Makes the file dialog's view current on `folder`, which raises the selection change.
inline void MakeCurrent(FolderBrowseDialog* browser, const QString& folder)
{
    QFileDialog* files = browser->browserFiles();
    auto* view = files->findChild<QListView*>("listView");
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    view->setCurrentIndex(model->index(folder));
}

// A browser of type Dialog, owned by a window, over a fresh folder that holds videos/out.
template <typename Dialog>
class BrowserRun : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir.path() / "videos" / "out"); }

    TempDir dir;
    QString out = Path(dir.path() / "videos" / "out");
    QWidget owner;
    Dialog dialog{&owner};
};
