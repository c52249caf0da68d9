#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

/// Chooses an item of a combo box as a user does with the keyboard: Alt+Down opens the list
/// (typed text or not), the arrow keys move to the item and Return takes it, so the box reports
/// one activation, of that item alone.
inline void ChooseInComboBox(QComboBox& combo, const QString& text) {
    const int target = combo.findText(text);
    ASSERT_GE(target, 0) << "no item " << text.toStdString();
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = combo.view();
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 60000)) << "the list opens";
    for (int step = 0; list->currentIndex().row() != target && step <= combo.count(); ++step)
        QTest::keyClick(list, list->currentIndex().row() < target ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(list->currentIndex().row(), target) << "the keys reach " << text.toStdString();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible()) << "Return closes the list";
}
