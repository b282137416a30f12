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
class TForm1;
struct SharedState;

class ListCommands : public QObject {
    Q_OBJECT
public:
    ListCommands(TForm1& form, SharedState& state);

    QMenu* PopupListView1 = nullptr;
    QAction* CheckAllItems1 = nullptr;
    QAction* UncheckAllItems1 = nullptr;
    QAction* DeleteSelectedItem1 = nullptr;
    QAction* ClearAllItems1 = nullptr;

    void CheckAllItems1Click();
    void UncheckAllItems1Click();
    void DeleteSelectedItem1Click();
    void ClearAllItems1Click();

    // Whether a right click on the list opens the menu; any thread may switch it.
    void setAutoPopup(bool enabled) { autoPopup_ = enabled; }
    bool autoPopup() const { return autoPopup_; }

private:
    void setAllChecked(bool checked);
    void ListView1ContextPopup(const QPoint& position);

    TForm1& form_;
    SharedState& state_;
    std::atomic<bool> autoPopup_{true};
};
