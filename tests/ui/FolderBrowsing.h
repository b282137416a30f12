#pragma once
// Driving the folder browser as a user would, while it runs modal.
#include "ui/FolderBrowseDialog.h"

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

inline QString Path(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

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
