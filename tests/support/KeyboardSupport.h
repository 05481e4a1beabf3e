#pragma once
// A keyboard and a screen reader's view of any window: spoken names, the controls a
// user can reach, keys sent to whatever has the focus, and tab order.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace a11y {

inline bool hasWords(const QString& text)
{
    for (QChar c : text)
        if (c.isLetter()) return true;
    return false;
}

// What a screen reader says a control is called: its accessible name, else the text of
// a label that names it (a buddy), else, for a button, its own caption. A pop-up's
// caption is its value, not its name, and does not count.
inline QString spokenName(QWidget* control)
{
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    if (!iface) return QString();
    const auto labels = iface->relations(QAccessible::Label);
    for (const auto& relation : labels) {
        const QString text = relation.first->text(QAccessible::Name);
        if (hasWords(text)) return text;
    }
    if (qobject_cast<QAbstractButton*>(control)) {
        const QString text = iface->text(QAccessible::Name);
        if (hasWords(text)) return text;
    }
    return QString();
}

// Every control of `window` a user can reach, found by walking the accessibility tree
// as assistive technology does: what takes the keyboard focus, and every button.
inline QList<QWidget*> accessibleControls(QWidget* window)
{
    QList<QWidget*> controls;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* iface) {
        auto* widget = qobject_cast<QWidget*>(iface->object());
        // A pop-up's list is a window of its own, met when it opens.
        if (widget && widget->window() != window) return;
        if (widget && widget != window && widget->isVisibleTo(window) &&
            ((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton*>(widget)) &&
            !controls.contains(widget)) {
            controls.append(widget);
        }
        for (int i = 0; i < iface->childCount(); ++i)
            if (QAccessibleInterface* child = iface->child(i)) walk(child);
    };
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window)) walk(root);
    return controls;
}

// "objectName (class)" of each control without a spoken name.
inline QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : accessibleControls(window)) {
        if (spokenName(control).isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(control->objectName(), control->metaObject()->className());
    }
    return unnamed;
}

// The keyboard: keys go to the focused control (the active window when none has the
// focus), the way a real keyboard sends them.
inline QWidget* keyboardTarget()
{
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = keyboardTarget();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    QTest::keyClick(target, key, modifiers);
}

inline void typeText(const QString& text)
{
    QWidget* target = keyboardTarget();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    QTest::keyClicks(target, text);
}

// Presses Tab until `control` has the focus; fails after a full round without it.
inline void tabTo(QWidget* control, int limit = 40)
{
    ASSERT_NE(control, nullptr);
    for (int i = 0; i < limit && QApplication::focusWidget() != control; ++i) press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control)
        << "Tab never reaches " << control->objectName().toStdString();
}

// The controls Tab visits from the focused one, once round, in order.
inline QList<QWidget*> tabCycle(int limit = 60)
{
    QList<QWidget*> visited;
    QWidget* first = QApplication::focusWidget();
    if (!first) return visited;
    visited << first;
    for (int i = 0; i < limit; ++i) {
        press(Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == first || visited.contains(now)) break;
        visited << now;
    }
    return visited;
}

// Reading order: the next control stands to the right on the same row, or lower down.
// "a -> b" for each step that goes back up or to the left.
inline QStringList readingOrderBreaks(const QList<QWidget*>& order, QWidget* window)
{
    QStringList breaks;
    for (int i = 1; i < order.size(); ++i) {
        const QRect a(order[i - 1]->mapTo(window, QPoint(0, 0)), order[i - 1]->size());
        const QRect b(order[i]->mapTo(window, QPoint(0, 0)), order[i]->size());
        const bool sameRow = (b.center().y() >= a.top() && b.center().y() <= a.bottom()) ||
                             (a.center().y() >= b.top() && a.center().y() <= b.bottom());
        const bool forward = sameRow ? b.left() > a.left() : b.center().y() > a.center().y();
        if (!forward) breaks << order[i - 1]->objectName() + QStringLiteral(" -> ") + order[i]->objectName();
    }
    return breaks;
}

inline QStringList names(const QList<QWidget*>& widgets)
{
    QStringList list;
    for (const QWidget* w : widgets) list << w->objectName();
    return list;
}

} // namespace a11y
