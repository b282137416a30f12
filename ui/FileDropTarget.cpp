// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDropTarget.h"

#include "ui/AddFiles.h"
#include "ui/MainWindow.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTableView>
#include <QTimer>
#include <QUrl>

FileDropTarget::FileDropTarget(MainWindow& window, AddFilesHandler& addFiles)
    : QObject(&window)
    , addFiles_(addFiles)
{
    for (QWidget* target : {static_cast<QWidget*>(&window), window.fileView().viewport()}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

QStringList FileDropTarget::localPaths(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

bool FileDropTarget::welcomes(const QMimeData* data) const
{
    return addFiles_.acceptsFiles() && !localPaths(data).isEmpty();
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (welcomes(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop:
        take(static_cast<QDropEvent*>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void FileDropTarget::take(QDropEvent* drop)
{
    if (!welcomes(drop->mimeData())) {
        drop->ignore();
        return;
    }
    drop->acceptProposedAction();
    const QStringList paths = localPaths(drop->mimeData());
    QTimer::singleShot(0, &addFiles_, [this, paths] { addFiles_.addDropped(paths); });
}
