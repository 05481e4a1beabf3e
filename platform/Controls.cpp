#include "platform/Controls.h"

#include "platform/Stepper.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStandardItemModel>

namespace platform {

namespace {

bool hasTag(const QWidget* view, int tag)
{
    const QVariant value = view->property("tag");
    if (!value.isValid()) return false;
    bool ok = false;
    const int t = value.toInt(&ok);
    return ok && t == tag;
}

QStandardItem* popupItem(const QComboBox* popup, int index)
{
    if (!popup || index < 0 || index >= popup->count()) return nullptr;
    auto* model = qobject_cast<QStandardItemModel*>(popup->model());
    return model ? model->item(index, popup->modelColumn()) : nullptr;
}

} // namespace

QWidget* viewWithTag(QWidget* root, int tag)
{
    if (!root) return nullptr;
    if (hasTag(root, tag)) return root;
    // Depth-first in creation order, the order of the layout file; the walk stops at
    // the first match rather than listing every descendant first (panels look up a
    // dozen tags each time their controls are filled).
    for (QObject* child : root->children()) {
        if (!child->isWidgetType()) continue;
        if (QWidget* found = viewWithTag(static_cast<QWidget*>(child), tag)) return found;
    }
    return nullptr;
}

void setStringValue(QWidget* view, const QString& text)
{
    if (!view) return;
    if (auto* label = qobject_cast<QLabel*>(view)) {
        label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(view)) {
        edit->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(view)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(view)) {
        group->setTitle(text);
    } else if (view->isWindow()) {
        view->setWindowTitle(text);
    }
}

QString stringValue(const QWidget* view)
{
    if (!view) return QString();
    if (auto* label = qobject_cast<const QLabel*>(view)) return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(view)) return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(view)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(view)) return group->title();
    if (view->isWindow()) return view->windowTitle();
    return QString();
}

void setEnabled(QWidget* view, bool on)
{
    if (view) view->setEnabled(on);
}

bool isEnabled(const QWidget* view) { return view && view->isEnabled(); }

void select(QComboBox* popup, qint64 index)
{
    if (!popup) return;
    if (index < 0 || index >= popup->count()) {
        popup->setCurrentIndex(-1);
        return;
    }
    popup->setCurrentIndex(int(index));
}

int indexOfSelectedItem(const QComboBox* popup) { return popup ? popup->currentIndex() : -1; }

int numberOfItems(const QComboBox* popup) { return popup ? popup->count() : 0; }

QString titleOfSelectedItem(const QComboBox* popup)
{
    if (!popup || popup->currentIndex() < 0) return QString();
    return popup->itemText(popup->currentIndex());
}

QString itemTitle(const QComboBox* popup, int index)
{
    if (!popup || index < 0 || index >= popup->count()) return QString();
    return popup->itemText(index);
}

void removeAllItems(QComboBox* popup)
{
    if (popup) popup->clear();
}

void addItem(QComboBox* popup, const QString& title, const QVariant& representedObject)
{
    if (popup) popup->addItem(title, representedObject);
}

QVariant representedObject(const QComboBox* popup, int index)
{
    if (!popup || index < 0 || index >= popup->count()) return QVariant();
    return popup->itemData(index);
}

void setItemEnabled(QComboBox* popup, int index, bool on)
{
    QStandardItem* item = popupItem(popup, index);
    if (!item) return;
    Qt::ItemFlags flags = item->flags();
    flags.setFlag(Qt::ItemIsEnabled, on);
    flags.setFlag(Qt::ItemIsSelectable, on);
    item->setFlags(flags);
}

bool isItemEnabled(const QComboBox* popup, int index)
{
    const QStandardItem* item = popupItem(popup, index);
    return item && item->flags().testFlag(Qt::ItemIsEnabled);
}

void setState(QAbstractButton* button, int state)
{
    if (button) button->setChecked(state != 0);
}

int state(const QAbstractButton* button) { return button && button->isChecked() ? 1 : 0; }

void setIntValue(QWidget* control, int value)
{
    if (!control) return;
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        slider->setValue(value);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(value);
    } else if (auto* stepper = qobject_cast<Stepper*>(control)) {
        stepper->setValue(value);
    }
}

int intValue(const QWidget* control)
{
    if (!control) return 0;
    if (auto* slider = qobject_cast<const QAbstractSlider*>(control)) return slider->value();
    if (auto* spin = qobject_cast<const QSpinBox*>(control)) return spin->value();
    if (auto* stepper = qobject_cast<const Stepper*>(control)) return stepper->value();
    return 0;
}

QColor controlTextColor() { return QApplication::palette().color(QPalette::Active, QPalette::WindowText); }

QColor disabledControlTextColor()
{
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

void setTextColor(QWidget* view, const QColor& color)
{
    if (!view) return;
    QPalette pal = view->palette();
    // All groups: the colour stays when the window goes inactive or the control is
    // disabled, as the caller picks the disabled colour itself.
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::ButtonText, color);
    if (qobject_cast<QLineEdit*>(view)) pal.setColor(QPalette::Text, color);
    view->setPalette(pal);
}

QColor textColor(const QWidget* view)
{
    if (!view) return QColor();
    const QPalette::ColorRole role = qobject_cast<const QLineEdit*>(view) ? QPalette::Text : QPalette::WindowText;
    return view->palette().color(QPalette::Active, role);
}

} // namespace platform
