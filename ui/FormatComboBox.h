// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output-format list. The arrow keys, Page Up/Down, Home, End and the
// mouse wheel step over the separator rows, in the closed list and in its
// open pop-up alike, so every format can be reached by keyboard. A separator
// picked with the mouse in the pop-up is still a pick, which the format
// switch undoes.
#include <QComboBox>

class FormatComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FormatComboBox(QWidget* parent = nullptr);

    // The format row `steps` rows away from `from` (negative: upwards),
    // counting formats only; held at the first and last format.
    int formatRowFrom(int from, int steps) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How many format rows a key moves, or 0 for a key that is no step.
    int stepsFor(const QKeyEvent* event) const;
    void pickByKeyboard(int row);
};
