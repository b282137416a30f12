// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormatComboBox.h"

#include "core/profiles/FormatCatalogue.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>

#include <limits>

namespace {

constexpr int kFarAway = std::numeric_limits<int>::max() / 2;

} // namespace

FormatComboBox::FormatComboBox(QWidget* parent)
    : QComboBox(parent)
{
    view()->installEventFilter(this);
}

int FormatComboBox::formatRowFrom(int from, int steps) const
{
    const int direction = steps < 0 ? -1 : 1;
    int row = from;
    for (int left = std::abs(steps); left > 0;) {
        int next = row + direction;
        while (next >= 0 && next < count() && IsSeparatorRow(next))
            next += direction;
        if (next < 0 || next >= count())
            break;
        row = next;
        --left;
    }
    return row;
}

int FormatComboBox::stepsFor(const QKeyEvent* event) const
{
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return 0;
    const int page = std::max(1, maxVisibleItems() - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Down:
        return 1;
    case Qt::Key_PageUp:
        return -page;
    case Qt::Key_PageDown:
        return page;
    case Qt::Key_Home:
        return -kFarAway;
    case Qt::Key_End:
        return kFarAway;
    default:
        return 0;
    }
}

void FormatComboBox::pickByKeyboard(int row)
{
    if (row == currentIndex() || row < 0)
        return;
    setCurrentIndex(row);
    emit activated(row);
    emit textActivated(itemText(row));
}

void FormatComboBox::keyPressEvent(QKeyEvent* event)
{
    const int steps = stepsFor(event);
    if (steps == 0) {
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    pickByKeyboard(formatRowFrom(std::max(currentIndex(), 0), steps));
}

void FormatComboBox::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    pickByKeyboard(formatRowFrom(std::max(currentIndex(), 0), delta > 0 ? -1 : 1));
}

bool FormatComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // In the open pop-up the keys move the highlight only; Return picks it.
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int current = view()->currentIndex().row();
        const int steps = stepsFor(key);
        if (steps != 0) {
            const int row = formatRowFrom(std::max(current, 0), steps);
            view()->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
