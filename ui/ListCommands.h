#pragma once
// The file list's context menu and the commands it shares with the Remove
// and Clear All buttons. Removing is refused while added files are
// analysed, so the analysis never works on a row that is gone. The
// conversion queue switches the menu's pop-up off while it runs.
#include <QObject>

#include <atomic>

class QAction;
class QMenu;
class QPoint;
class MainWindow;
struct SharedState;

class ListCommands : public QObject {
    Q_OBJECT
public:
    ListCommands(MainWindow& window, SharedState& state);

    QMenu* contextMenu = nullptr;
    QAction* checkAllAction = nullptr;
    QAction* uncheckAllAction = nullptr;
    QAction* removeSelectedAction = nullptr;
    QAction* clearAllAction = nullptr;

    void checkAll();
    void uncheckAll();
    void removeSelected();
    void clearAll();

    // Whether a right click on the list opens the menu; any thread may switch it.
    void setAutoPopup(bool enabled) { autoPopup_ = enabled; }
    bool autoPopup() const { return autoPopup_; }

private:
    void setAllChecked(bool checked);
    void showContextMenu(const QPoint& position);

    MainWindow& window_;
    SharedState& state_;
    std::atomic<bool> autoPopup_{true};
};
