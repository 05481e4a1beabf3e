#include "platform/Stepper.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

QToolButton* makeArrow(Qt::ArrowType type, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setMinimumSize(1, 1);
    button->setIconSize(QSize(7, 7));
    return button;
}

// A frame in the focus colour around its parent, over the arrows, letting the mouse
// through to them.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("stepperFocusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor colour = palette().color(QPalette::Highlight);
        constexpr int kWidth = 2;
        painter.fillRect(QRect(0, 0, width(), kWidth), colour);
        painter.fillRect(QRect(0, height() - kWidth, width(), kWidth), colour);
        painter.fillRect(QRect(0, 0, kWidth, height()), colour);
        painter.fillRect(QRect(width() - kWidth, 0, kWidth, height()), colour);
    }
};

} // namespace

Stepper::Stepper(QWidget* parent)
    : QWidget(parent)
    , up_(makeArrow(Qt::UpArrow, QStringLiteral("stepperUp"), this))
    , down_(makeArrow(Qt::DownArrow, QStringLiteral("stepperDown"), this))
    , focusFrame_(new FocusFrame(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Screen readers see the arrows as buttons; a layout's loader translates these names.
    up_->setAccessibleName(QStringLiteral("Increase"));
    down_->setAccessibleName(QStringLiteral("Decrease"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &Stepper::stepUp);
    connect(down_, &QToolButton::clicked, this, &Stepper::stepDown);
}

void Stepper::setValue(int value)
{
    requested_ = value;
    clampValue();
}

void Stepper::setMinimum(int minimum)
{
    minimum_ = minimum;
    if (maximum_ < minimum_) maximum_ = minimum_;
    clampValue();
}

void Stepper::setMaximum(int maximum)
{
    maximum_ = maximum;
    if (minimum_ > maximum_) minimum_ = maximum_;
    clampValue();
}

void Stepper::clampValue() { value_ = std::clamp(requested_, minimum_, maximum_); }

void Stepper::stepUp() { step(+1); }

void Stepper::stepDown() { step(-1); }

void Stepper::step(int direction)
{
    // 64 bits: a large increment near the limits must not overflow.
    const qint64 next = qint64(value_) + qint64(direction) * increment_;
    if (next > maximum_) {
        value_ = wraps_ ? minimum_ : maximum_;
    } else if (next < minimum_) {
        value_ = wraps_ ? maximum_ : minimum_;
    } else {
        value_ = int(next);
    }
    requested_ = value_;
    emit action();
}

QSize Stepper::sizeHint() const { return QSize(17, 22); }

void Stepper::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        stepUp();
        event->accept();
        return;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        stepDown();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Stepper::focusInEvent(QFocusEvent* event)
{
    focusFrame_->setGeometry(rect());
    focusFrame_->raise();
    focusFrame_->show();
    QWidget::focusInEvent(event);
}

void Stepper::focusOutEvent(QFocusEvent* event)
{
    focusFrame_->hide();
    QWidget::focusOutEvent(event);
}

void Stepper::resizeEvent(QResizeEvent* event)
{
    focusFrame_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void Stepper::changeEvent(QEvent* event)
{
    // The arrows follow the stepper's own enabled state (a disabled parent already
    // disables them); they show the toolkit's disabled look.
    if (event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

} // namespace platform
