// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeMessages.h"
#include "support/TempDir.h"
#include "support/WindowControls.h"
#include "ui/AboutDialog.h"
#include "ui/AdditionalOptionsDialog.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

QString TextOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return {};
}

// Every captioned control of the window gets the width its caption needs,
// overlaps no neighbour, and no label comes within two pixels of one.
void ExpectNothingClippedOrTouching(QWidget& window, int pointSize)
{
    QFont font = window.font();
    font.setPointSize(pointSize);
    window.setFont(font);
    window.show();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString text = TextOf(widget);
        if (text.isEmpty() || widget->window() != &window || !widget->isVisibleTo(&window))
            continue;
        EXPECT_LE(widget->sizeHint().width(), widget->width()) << text.toStdString() << " at " << pointSize << " pt";
        const int margin = qobject_cast<QLabel*>(widget) != nullptr ? 2 : 0;
        for (QObject* other : widget->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(other);
            if (sibling == nullptr || sibling == widget || !sibling->isVisibleTo(&window))
                continue;
            EXPECT_FALSE(widget->geometry().adjusted(-margin, 0, margin, 0).intersects(sibling->geometry()))
                << text.toStdString() << " touches " << sibling->objectName().toStdString() << " at " << pointSize << " pt";
        }
    }
}

TEST(WindowTidy, NoCaptionIsClippedOrTouchesItsNeighbourAtTheDefaultFontAndOneSizeLarger)
{
    TempDir appDir;
    FakeMessages messages;
    Application app(appDir.dir(), messages);
    for (const int pointSize : {8, 9}) {
        ExpectNothingClippedOrTouching(app.mainWindow(), pointSize);
        ExpectNothingClippedOrTouching(*Find<AdditionalOptionsDialog>(app.mainWindow(), "Form4"), pointSize);
        ExpectNothingClippedOrTouching(*Find<AboutDialog>(app.mainWindow(), "FormAbout"), pointSize);
    }
}

} // namespace
