#pragma once
// A stepper: an integer with up and down arrows (and the arrow keys), within limits.
#include "platform/Export.h"

#include <QWidget>

class QToolButton;

namespace platform {

class ORVAN_PLATFORM_EXPORT Stepper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)
    Q_PROPERTY(bool wraps READ wraps WRITE setWraps)

public:
    explicit Stepper(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Clamped to the limits; raises no action. Changing a limit clamps the value last
    // set again, so the order in which a layout file sets value and limits is free.
    void setValue(int value);
    int minimum() const { return minimum_; }
    void setMinimum(int minimum);
    int maximum() const { return maximum_; }
    void setMaximum(int maximum);
    int increment() const { return increment_; }
    void setIncrement(int increment) { increment_ = increment; }
    bool wraps() const { return wraps_; }
    void setWraps(bool wraps) { wraps_ = wraps; }

    // What a click on an arrow does: one increment up or down, then the action.
    void stepUp();
    void stepDown();

    QSize sizeHint() const override;

signals:
    // The user changed the value (arrows, keys); never for setValue.
    void action();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int direction);
    void clampValue();
    int value_ = 0;
    int requested_ = 0; // the value last set or stepped to, before clamping
    int minimum_ = 0;
    int maximum_ = 59;
    int increment_ = 1;
    bool wraps_ = false;
    QToolButton* up_;
    QToolButton* down_;
    // Drawn over the arrows while the stepper has the keyboard.
    QWidget* focusFrame_;
};

} // namespace platform
