#include "ui/BusyLock.h"

#include "ui/MainWindow.h"
#include "ui/AdditionalOptionsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

BusyLock::BusyLock(MainWindow& form1, AdditionalOptionsDialog& form4)
    : form1_(form1)
    , form4_(form4)
{
}

void BusyLock::lock() { setEnabled(false); }

void BusyLock::unlock() { setEnabled(true); }

void BusyLock::setEnabled(bool enabled)
{
    const QList<QWidget*> widgets{
        form1_.formatCombo, form1_.videoSizeCombo, form1_.videoBitrateCombo, form1_.frameRateCombo,
        form1_.audioBitrateCombo, form1_.channelsCombo, form1_.muteAudioCombo, form4_.overwriteCheck,
        form4_.shutdownCheck, form1_.videoCodecCombo, form1_.letterBoxCombo, form1_.samplingRateCombo,
        form1_.audioCodecCombo, form1_.clearAllButton, form1_.removeButton, form1_.volumeSlider};
    for (auto* widget : widgets)
        widget->setEnabled(enabled);
    const QList<QAction*> actions{form1_.addFilesAction, form1_.convertAction, form1_.exitAction, form1_.helpAction,
                                  form1_.websiteAction, form1_.aboutAction, form1_.optionsAction};
    for (auto* action : actions)
        action->setEnabled(enabled);
}
