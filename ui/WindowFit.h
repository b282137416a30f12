// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps a window, its frame included, inside the screen's available area.
#include <QMargins>
#include <QRect>

// `wanted` is the window's inside (without the frame); the result is no
// larger than the area leaves room for and moved, as little as it takes,
// so that the frame lies inside the area.
QRect FitInArea(const QRect& wanted, const QRect& area, const QMargins& frame);
