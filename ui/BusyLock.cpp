#include "ui/BusyLock.h"

#include "ui/MainWindow.h"
#include "ui/ProfileView.h"
#include "ui/AdditionalOptionsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

BusyLock::BusyLock(MainWindow& window, AdditionalOptionsDialog& options)
    : window_(window)
    , options_(options)
{
}

void BusyLock::lock() { setLocked(true); }

void BusyLock::unlock() { setLocked(false); }

void BusyLock::setLocked(bool locked)
{
    // The option lists and the slider are the profile view's: unlocked, the
    // ones a format does not offer stay disabled.
    window_.profileView->setLocked(locked);
    const bool enabled = !locked;
    const QList<QWidget*> widgets{window_.formatCombo, options_.overwriteCheck, options_.shutdownCheck,
                                  options_.jobsCombo, window_.clearAllButton, window_.removeButton};
    for (auto* widget : widgets)
        widget->setEnabled(enabled);
    const QList<QAction*> actions{window_.addFilesAction, window_.convertAction, window_.exitAction, window_.helpAction,
                                  window_.websiteAction, window_.aboutAction, window_.optionsAction};
    for (auto* action : actions)
        action->setEnabled(enabled);
}
