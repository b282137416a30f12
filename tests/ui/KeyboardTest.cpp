// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profiles/FormatCatalogue.h"
#include "support/FakeMessages.h"
#include "support/StandInAppDir.h"
#include "ui/AddFiles.h"
#include "ui/Application.h"
#include "support/WindowControls.h"
#include "ui/MainWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    StandInAppDir encoder;
    FakeMessages messages;
    Application app{encoder.appDir(), messages};
    MainWindow& form = app.mainWindow();
};

TEST_F(Keyboard, ArrowKeysAndTheWheelReachEveryFormatAndStepOverTheSeparators)
{
    QComboBox* list = Find<QComboBox>(form, "ComboOutputFormat");
    app.files().append({"a.avi", {}, true});
    std::vector<int> formats;
    for (int index = 0; index < FormatCount(); ++index)
        if (!IsSeparatorRow(index))
            formats.push_back(index);
    for (const bool downwards : {true, false}) {
        std::vector<int> visited{list->currentIndex()};
        for (std::size_t step = 1; step < formats.size(); ++step) {
            QTest::keyClick(list, downwards ? Qt::Key_Down : Qt::Key_Up);
            visited.push_back(list->currentIndex());
            // Each step is a pick: the format switch applies it.
            EXPECT_EQ(CellText(form, 0, FileColumn::Output).toStdString(), FormatTag(list->currentIndex()));
        }
        EXPECT_EQ(visited, downwards ? formats : std::vector<int>(formats.rbegin(), formats.rend()));
    }
    QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    list->setCurrentIndex(6);
    QApplication::sendEvent(list, &wheel);
    EXPECT_EQ(list->currentIndex(), 8);
    EXPECT_EQ(Find<QComboBox>(form, "ComboAudioCodec")->currentText(), "mpeg4aac") << "the Zune profile is applied";
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->currentIndex(), FormatCount() - 1);
}

TEST_F(Keyboard, TheOpenListStepsOverSeparatorsWhileAMousePickOfOneIsUndone)
{
    QComboBox* list = Find<QComboBox>(form, "ComboOutputFormat");
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Up);
    ASSERT_EQ(list->currentIndex(), FormatCount() - 2);
    list->showPopup();
    QAbstractItemView* popup = list->view();
    popup->setCurrentIndex(list->model()->index(26, 0));
    QTest::keyClick(popup, Qt::Key_Up);
    EXPECT_EQ(popup->currentIndex().row(), 24);
    const QRect separator = popup->visualRect(list->model()->index(25, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, separator.center());
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(list->currentIndex(), FormatCount() - 2);
}

TEST_F(Keyboard, CaptionsCarryMnemonicsAndShowTheirTextsOtherwiseUnchanged)
{
    const std::pair<QString, QString> captions[] = {
        {Find<QToolButton>(form, "AddFileButton")->text(), "Add Files"},   {Find<QToolButton>(form, "StopConvertButton")->text(), "Stop Convert"},
        {Find<QToolButton>(form, "ConvertNowButton")->text(), "Convert Now !"}, {Find<QToolButton>(form, "RemoveButton")->text(), "Remove"},
        {Find<QToolButton>(form, "ClearAllButton")->text(), "Clear All "},   {form.menuBar()->actions().at(0)->text(), "File"},
        {form.menuBar()->actions().at(1)->text(), "Options"}, {form.menuBar()->actions().at(2)->text(), "Help"},
        {Find<QAction>(form, "Exit1")->text(), "Exit"},             {Find<QAction>(form, "About1")->text(), "About"},
    };
    for (const auto& [shown, visible] : captions) {
        EXPECT_EQ(QString(shown).remove('&'), visible);
        EXPECT_FALSE(QKeySequence::mnemonic(shown).isEmpty()) << visible.toStdString();
    }
    // Every entry of every menu has a key of its own within its menu.
    QList<QMenu*> menus{Find<QMenu>(form, "PopupListView1")};
    for (QAction* title : form.menuBar()->actions())
        menus << title->menu();
    for (QMenu* menu : menus) {
        QSet<QKeySequence> keys;
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator())
                continue;
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            EXPECT_FALSE(key.isEmpty()) << entry->text().toStdString();
            EXPECT_FALSE(keys.contains(key)) << entry->text().toStdString();
            keys << key;
        }
    }
}

TEST_F(Keyboard, KeysAddRemoveStopAndTabLeavesTheList)
{
    int dialogs = 0;
    app.setChooseFiles([&](QWidget*, const QStringList&, const QString&) {
        ++dialogs;
        return std::optional<QStringList>();
    });
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs, 1);

    for (const char* name : {"a.avi", "b.avi"})
        app.files().append({name, {}, true});
    FileView(form)->setFocus();
    FileView(form)->selectRow(0);
    QTest::keyClick(FileView(form), Qt::Key_Delete);
    ASSERT_EQ(RowCount(form), 1);
    EXPECT_EQ(CellText(form, 0, 0), "b.avi");
    QTest::keyClick(FileView(form), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), FileView(form));

    // Outside a batch Escape asks nothing; during one it asks the Stop question.
    messages.answer = false;
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(messages.shown.empty());
    app.state().isConverting = true;
    form.setBatchRunning(true);
    QTest::keyClick(&form, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_Period, Qt::ControlModifier);
    app.state().isConverting = false;
    form.setBatchRunning(false);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Stop all the file conversions?");
}

} // namespace
