#pragma once
// Null-safe operations on controls: a message to a control that is not loaded does
// nothing, and a read from it answers 0, -1 or an empty text.
#include "platform/Export.h"

#include <QColor>
#include <QString>
#include <QVariant>

class QWidget;
class QComboBox;
class QAbstractButton;
class QSlider;

namespace platform {

// The descendant of `root` (or `root` itself) whose integer property "tag" is `tag`.
ORVAN_PLATFORM_EXPORT QWidget* viewWithTag(QWidget* root, int tag);

// The text of a label, line edit, button or group box.
ORVAN_PLATFORM_EXPORT void setStringValue(QWidget* view, const QString& text);
ORVAN_PLATFORM_EXPORT QString stringValue(const QWidget* view);
inline void setTitle(QWidget* view, const QString& text) { setStringValue(view, text); }

ORVAN_PLATFORM_EXPORT void setEnabled(QWidget* view, bool on);
ORVAN_PLATFORM_EXPORT bool isEnabled(const QWidget* view);

// Pop-ups. Selecting a position that names no item leaves no item selected.
ORVAN_PLATFORM_EXPORT void select(QComboBox* popup, qint64 index);
ORVAN_PLATFORM_EXPORT int indexOfSelectedItem(const QComboBox* popup); // -1: none
ORVAN_PLATFORM_EXPORT int numberOfItems(const QComboBox* popup);
ORVAN_PLATFORM_EXPORT QString titleOfSelectedItem(const QComboBox* popup);
ORVAN_PLATFORM_EXPORT QString itemTitle(const QComboBox* popup, int index);
ORVAN_PLATFORM_EXPORT void removeAllItems(QComboBox* popup);
ORVAN_PLATFORM_EXPORT void addItem(QComboBox* popup, const QString& title,
                                   const QVariant& representedObject = QVariant());
ORVAN_PLATFORM_EXPORT QVariant representedObject(const QComboBox* popup, int index);
// Items are enabled one by one through the model's item flags.
ORVAN_PLATFORM_EXPORT void setItemEnabled(QComboBox* popup, int index, bool on);
ORVAN_PLATFORM_EXPORT bool isItemEnabled(const QComboBox* popup, int index);

// Check boxes: state 1 on, 0 off.
ORVAN_PLATFORM_EXPORT void setState(QAbstractButton* button, int state);
ORVAN_PLATFORM_EXPORT int state(const QAbstractButton* button);

// Sliders and other integer controls (QSlider, QSpinBox, Stepper).
ORVAN_PLATFORM_EXPORT void setIntValue(QWidget* control, int value);
ORVAN_PLATFORM_EXPORT int intValue(const QWidget* control);

// Text colours of controls.
ORVAN_PLATFORM_EXPORT QColor controlTextColor();
ORVAN_PLATFORM_EXPORT QColor disabledControlTextColor();
ORVAN_PLATFORM_EXPORT void setTextColor(QWidget* view, const QColor& color);
ORVAN_PLATFORM_EXPORT QColor textColor(const QWidget* view);

} // namespace platform
