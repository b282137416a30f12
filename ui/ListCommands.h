// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list's context menu and the commands it shares with the Remove
// and Clear All buttons. Removing is refused while added files are
// analysed, so the analysis never works on a row that is gone. The
// conversion switches the menu's pop-up off while it runs.
#include <QObject>

#include <atomic>

class FileList;
class MainWindow;
class QMenu;
class QPoint;
struct SharedState;

class ListCommands : public QObject {
    Q_OBJECT
public:
    ListCommands(MainWindow& window, FileList& files, const SharedState& state, QObject* parent = nullptr);

    void checkAll();
    void uncheckAll();
    void removeSelected();
    void clearAll();

    // Whether a right click on the list opens the menu.
    void setAutoPopup(bool enabled) { autoPopup_ = enabled; }
    bool autoPopup() const { return autoPopup_; }

private:
    void showContextMenu(const QPoint& position);

    MainWindow& window_;
    FileList& files_;
    const SharedState& state_;
    QMenu* contextMenu_;
    std::atomic<bool> autoPopup_{true};
};
