// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Takes files and folders dropped onto the main window or its file list and
// hands them to Add Files once the drop is over, so that the program they
// were dragged from is not kept waiting while they are measured. A drop is
// refused while Add Files could not start.
#include <QObject>
#include <QStringList>

class AddFilesHandler;
class QDropEvent;
class QMimeData;
class MainWindow;

class FileDropTarget : public QObject {
    Q_OBJECT
public:
    FileDropTarget(MainWindow& window, AddFilesHandler& addFiles);

    // The local files and folders the data names, in its order.
    static QStringList localPaths(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool welcomes(const QMimeData* data) const;
    void take(QDropEvent* drop);

    AddFilesHandler& addFiles_;
};
