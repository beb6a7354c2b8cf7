#pragma once
// The window as a user meets it: its controls found by their names or tags, clicked and
// double-clicked, and the windows it opens found among the application's top-level windows.
// Tests talk to the main window through these and through the interfaces they inject, never
// through its members.

#include "edit/controltags.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

/// The child of window named name (its object name); fails the test when there is none.
template <class T = QWidget>
T *Control(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

/// The button of window carrying tag (its "tag" property); fails the test when there is none.
inline QAbstractButton *ButtonOf(const QWidget &window, ControlTag tag)
{
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>())
        if (b->property("tag").toInt() == int(tag))
            return b;
    ADD_FAILURE() << "no button with tag " << int(tag);
    return nullptr;
}

/// A left click in the middle of the button of tag, as the user makes it.
inline void ClickButton(const QWidget &window, ControlTag tag)
{
    if (QAbstractButton *b = ButtonOf(window, tag))
        QTest::mouseClick(b, Qt::LeftButton);
}

/// A double click on row of list, the way a user opens the entry there.
inline void DoubleClickRow(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

/// A double click on the part of list that shows no entry: the user chose nothing.
inline void DoubleClickNothing(QListWidget *list)
{
    const QPoint below(list->viewport()->width() / 2, list->viewport()->height() - 2);
    ASSERT_EQ(list->itemAt(below), nullptr);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
}

/// A right click on row of list (-1: below the entries) opening its context menu, which is closed
/// again at once; returns the menu, its entries enabled as the user would have seen them.
inline QMenu *OpenRowMenu(QListWidget *list, int row)
{
    const QPoint at = row >= 0 ? list->visualItemRect(list->item(row)).center()
                               : QPoint(list->viewport()->width() / 2, list->viewport()->height() - 2);
    if (row >= 0)
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menuKey(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &menuKey);
    QMenu *menu = list->findChild<QMenu *>();
    if (menu != nullptr)
        menu->hide();
    return menu;
}

/// The user's way of deleting the document of row from the list: its context menu, "usuń piktogram"
/// (nothing when that entry is greyed out).
inline void DeleteRowFromMenu(QListWidget *list, int row)
{
    QMenu *menu = OpenRowMenu(list, row);
    ASSERT_NE(menu, nullptr);
    for (QAction *action : menu->actions())
        if (action->objectName() == QLatin1String("usupiktogram1") && action->isEnabled())
            action->trigger();
}

/// The top-level window of the application named name, or nullptr.
template <class T = QWidget>
T *TopLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            if (T *t = dynamic_cast<T *>(w))
                return t;
    return nullptr;
}
