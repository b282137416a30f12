// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bold captions keep the rest of the widget's own font.
#include <QFont>
#include <QWidget>

inline void SetBold(QWidget& widget)
{
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}
