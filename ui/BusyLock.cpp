#include "ui/BusyLock.h"

#include "ui/MainWindow.h"
#include "ui/ProfileView.h"
#include "ui/AdditionalOptionsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

BusyLock::BusyLock(MainWindow& window, AdditionalOptionsDialog& options)
    : window_(window)
    , options_(options)
{
}

void BusyLock::lock() { setEnabled(false); }

void BusyLock::unlock()
{
    setEnabled(true);
    // The lists a format does not offer stay disabled.
    window_.profileView->ShowEnabledStates();
}

void BusyLock::setEnabled(bool enabled)
{
    const QList<QWidget*> widgets{
        window_.formatCombo, window_.videoSizeCombo, window_.videoBitrateCombo, window_.frameRateCombo,
        window_.audioBitrateCombo, window_.channelsCombo, window_.muteAudioCombo, options_.overwriteCheck,
        options_.shutdownCheck, options_.jobsCombo, window_.videoCodecCombo, window_.letterBoxCombo, window_.samplingRateCombo,
        window_.audioCodecCombo, window_.clearAllButton, window_.removeButton, window_.volumeSlider};
    for (auto* widget : widgets)
        widget->setEnabled(enabled);
    const QList<QAction*> actions{window_.addFilesAction, window_.convertAction, window_.exitAction, window_.helpAction,
                                  window_.websiteAction, window_.aboutAction, window_.optionsAction};
    for (auto* action : actions)
        action->setEnabled(enabled);
}
