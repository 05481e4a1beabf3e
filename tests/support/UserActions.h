#pragma once
// A user's hands on the controls, shared by the tests, the fuzz targets and the
// benchmarks: choosing an item, clicking, typing key by key, stepping with the keyboard.
#include "platform/Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QTest>

namespace useractions {

// Chooses item `index` as a click in the opened pop-up does: nothing (false) when the
// pop-up or the item is disabled or there is no such item.
inline bool chooseItem(QComboBox* popup, int index)
{
    if (!popup || !popup->isEnabled() || index < 0 || index >= popup->count()) return false;
    if (!platform::isItemEnabled(popup, index)) return false;
    popup->setCurrentIndex(index);
    emit popup->activated(index);
    return true;
}

// Chooses the item titled `title` as a click in the opened pop-up does, without asking
// whether the pop-up is enabled: false when there is no such item.
inline bool chooseItem(QComboBox* popup, const QString& title)
{
    const int index = popup ? popup->findText(title) : -1;
    if (index < 0) return false;
    popup->setCurrentIndex(index);
    emit popup->activated(index);
    return true;
}

// Moves to item `index` with the arrow keys, one key per item, as a user would; stops
// where it arrived (the action may move the pop-up again: the keys are not repeated).
inline void chooseWithKeys(QComboBox* popup, int index)
{
    const int steps = index - popup->currentIndex();
    for (int i = 0; i < qAbs(steps) && popup->currentIndex() != index; ++i)
        QTest::keyClick(popup, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
}

// Clicks a button the user can see and use.
inline void click(QAbstractButton* button)
{
    if (button && button->isEnabled() && button->isVisible()) button->click();
}

// Clicks a check box on its box, as a user would.
inline void toggle(QAbstractButton* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

// Types each character with a key press carrying it, as a keyboard does.
inline void typeKeys(QLineEdit* field, const QString& text)
{
    if (!field) return;
    for (char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

// Replaces a field's text by typing: everything selected, Backspace, then the keys.
inline void retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    typeKeys(field, text);
}

} // namespace useractions
