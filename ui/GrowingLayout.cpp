// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GrowingLayout.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {

// A stretched control keeps at least this much of itself.
constexpr int kLeastSide = 40;

} // namespace

GrowingLayout::GrowingLayout(QWidget& client, QSize designSize)
    : QObject(&client)
    , client_(client)
    , designSize_(designSize)
{
    client.installEventFilter(this);
}

void GrowingLayout::place(QWidget* control, const QRect& designRect, unsigned edges)
{
    placed_.push_back({control, designRect, edges});
    set(placed_.back());
}

void GrowingLayout::replace(QWidget* control, const QRect& designRect)
{
    for (Placed& placed : placed_) {
        if (placed.control == control) {
            placed.designRect = designRect;
            set(placed);
        }
    }
}

void GrowingLayout::apply()
{
    for (const Placed& placed : placed_)
        set(placed);
}

void GrowingLayout::set(const Placed& placed) const
{
    // Before the client is first laid out its size says nothing yet.
    const QSize size = laidOut_ ? client_.size() : designSize_;
    const int extraWidth = size.width() - designSize_.width();
    const int extraHeight = size.height() - designSize_.height();
    QRect rect = placed.designRect;
    if (placed.edges & kWider)
        rect.setWidth(std::max(kLeastSide, rect.width() + extraWidth));
    if (placed.edges & kTaller)
        rect.setHeight(std::max(kLeastSide, rect.height() + extraHeight));
    rect.translate(placed.edges & kMoveRight ? extraWidth : 0, placed.edges & kMoveDown ? extraHeight : 0);
    placed.control->setGeometry(rect);
}

bool GrowingLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &client_ && event->type() == QEvent::Resize) {
        laidOut_ = true;
        apply();
    }
    return QObject::eventFilter(watched, event);
}
