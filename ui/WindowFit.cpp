// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowFit.h"

#include <algorithm>

QRect FitInArea(const QRect& wanted, const QRect& area, const QMargins& frame)
{
    const QRect inside = area.marginsRemoved(frame);
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(inside.size()));
    fitted.moveLeft(std::clamp(fitted.left(), inside.left(), inside.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), inside.top(), inside.bottom() - fitted.height() + 1));
    return fitted;
}
