#pragma once
// Chooses Paste on a line edit's own context menu, opened as a right click opens it, by a click on
// the action: what the operator does with the mouse.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

inline void pasteByContextMenu(QLineEdit* field)
{
    const QPoint at = field->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QCoreApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QLineEdit::tr("&Paste")))
            paste = a;
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
}
