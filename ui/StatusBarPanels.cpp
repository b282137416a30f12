// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatusBarPanels.h"

#include "core/Texts.h"
#include "ui/Translation.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kPanelWidths[] = {150, 200, 50};
constexpr int kMarkSize = 14;
constexpr int kNoticeMs = 6000;

} // namespace

StatusBarPanels::StatusBarPanels(QStatusBar& bar)
    : QObject(&bar)
    , bar_(bar)
{
    for (int index = 0; index < 3; ++index) {
        auto* frame = new QFrame(&bar);
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setFixedWidth(kPanelWidths[index]);
        auto* layout = new QHBoxLayout(frame);
        layout->setContentsMargins(2, 0, 2, 0);
        layout->setSpacing(3);
        if (index == 1) {
            armedMark_ = new QLabel(frame);
            armedMark_->setPixmap(bar.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kMarkSize, kMarkSize));
            armedMark_->hide();
            layout->addWidget(armedMark_);
        }
        texts_[index] = new QLabel(frame);
        layout->addWidget(texts_[index], 1);
        // Clicks go to the panel itself.
        for (QWidget* child : frame->findChildren<QWidget*>())
            child->setAttribute(Qt::WA_TransparentForMouseEvents);
        bar.addWidget(frame);
        panels_[index] = frame;
    }
    panels_[1]->installEventFilter(this);
}

QString StatusBarPanels::text(int panel) const
{
    return texts_[panel]->text();
}

void StatusBarPanels::setText(int panel, const QString& text)
{
    if (panel != 1) {
        texts_[panel]->setText(text);
        fitWidth(panel);
        return;
    }
    conversionText_ = text;
    refreshSecondPanel();
}

void StatusBarPanels::fitWidth(int panel)
{
    // A panel keeps its width unless its text needs more.
    panels_[panel]->setFixedWidth(std::max(kPanelWidths[panel], panels_[panel]->layout()->sizeHint().width()));
}

void StatusBarPanels::showNotice(const QString& text)
{
    bar_.showMessage(text, kNoticeMs);
}

void StatusBarPanels::reset()
{
    setText(0, texts::kReady);
    setText(1, QString());
    setText(2, QString());
}

void StatusBarPanels::setPowerOffArmed(bool armed)
{
    armed_ = armed;
    refreshSecondPanel();
}

void StatusBarPanels::setBatchRunning(bool running)
{
    batchRunning_ = running;
    refreshSecondPanel();
}

QWidget* StatusBarPanels::panel(int index) const
{
    return panels_[index];
}

void StatusBarPanels::refreshSecondPanel()
{
    texts_[1]->setText(armed_ && !batchRunning_ ? QString(Tr(texts::kPowerOffArmed)) : conversionText_);
    armedMark_->setVisible(armed_ && batchRunning_);
    panels_[1]->setToolTip(armed_ ? QString(Tr(texts::kPowerOffArmed)) : QString());
    panels_[1]->setCursor(armed_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
    fitWidth(1);
}

bool StatusBarPanels::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panels_[1] && event->type() == QEvent::MouseButtonRelease && armed_
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit powerOffClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
