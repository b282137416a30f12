// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GuiMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The real boxes, answered as a user would, or closed by the program.
TEST(GuiMessages, EscapeClosesTheClosingMessageAndAnOpenQuestionCanBeClosed)
{
    GuiMessages messages;
    const auto later = [](auto act) {
        QTimer::singleShot(0, [act] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            act(box);
        });
    };

    later([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(messages.informationWithButton("All Conversion Jobs Done!", "Open &Output Folder"));

    // Only the question with the given text is closed, as Cancel would close it.
    later([&](QWidget*) {
        messages.closeQuestion("another question");
        QTimer::singleShot(0, [&] { messages.closeQuestion("Stop all the file conversions?"); });
    });
    EXPECT_FALSE(messages.confirmOkCancel("Confirm", "Stop all the file conversions?"));

    const std::vector<std::string> buttons{"Convert &Again", "&Skip Them", "Cancel"};
    later([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(messages.choose("Confirm", "2 of the checked files were converted already. Convert them again?", buttons), 2);
    later([](QWidget* box) {
        for (QAbstractButton* button : static_cast<QMessageBox*>(box)->buttons()) {
            if (button->text() == "&Skip Them")
                button->click();
        }
    });
    EXPECT_EQ(messages.choose("Confirm", "Again?", buttons), 1);
}

} // namespace
