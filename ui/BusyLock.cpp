#include "ui/BusyLock.h"

#include "ui/TForm1.h"
#include "ui/TForm4.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

BusyLock::BusyLock(TForm1& form1, TForm4& form4)
    : form1_(form1)
    , form4_(form4)
{
}

void BusyLock::lock() { setEnabled(false); }

void BusyLock::unlock() { setEnabled(true); }

void BusyLock::setEnabled(bool enabled)
{
    const QList<QWidget*> widgets{
        form1_.ComboOutputFormat, form1_.ComboVideoSize, form1_.ComboVideoBitrate, form1_.ComboVideoFramerate,
        form1_.ComboAudioBitrate, form1_.ComboAudioChannel, form1_.ComboMuteAudio, form4_.CheckBoxOverWrite,
        form4_.CheckBoxShutDown, form1_.ComboVideoCodec, form1_.ComboLetterBox, form1_.ComboSamplingRate,
        form1_.ComboAudioCodec, form1_.ClearAllButton, form1_.RemoveButton, form1_.TrackBar1};
    for (auto* widget : widgets)
        widget->setEnabled(enabled);
    const QList<QAction*> actions{form1_.AddFiles1, form1_.Convert1, form1_.Exit1, form1_.OpenHelpFile1,
                                  form1_.VisitOurWebsite1, form1_.About1, form1_.SetGeneralOptions1};
    for (auto* action : actions)
        action->setEnabled(enabled);
}
