// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Places the controls of a fixed design in a client area that may be larger
// (or, on a small screen, smaller) than the design: each control keeps its
// design place and moves or stretches with the difference as its edges say.
#include <QObject>
#include <QRect>

#include <vector>

class QWidget;

// Which way a control follows the client area's extra room.
enum GrowEdge : unsigned {
    kStay = 0,
    kMoveDown = 1,  // keeps its distance from the bottom edge
    kMoveRight = 2, // keeps its distance from the right edge
    kWider = 4,     // its right edge follows the client's
    kTaller = 8,    // its bottom edge follows the client's
};

class GrowingLayout : public QObject {
    Q_OBJECT
public:
    GrowingLayout(QWidget& client, QSize designSize);

    // Places the control at its design rectangle, following `edges` from now on.
    void place(QWidget* control, const QRect& designRect, unsigned edges);
    // A new design rectangle for a control placed before.
    void replace(QWidget* control, const QRect& designRect);

    // Sets every control for the client's size now.
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QWidget* control;
        QRect designRect;
        unsigned edges;
    };
    void set(const Placed& placed) const;

    QWidget& client_;
    QSize designSize_;
    std::vector<Placed> placed_;
    bool laidOut_ = false;
};
