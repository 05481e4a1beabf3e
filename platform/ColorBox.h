#pragma once
// A box that paints itself in its fill colour.
#include "platform/Export.h"

#include <QColor>
#include <QFrame>

namespace platform {

class ORVAN_PLATFORM_EXPORT ColorBox : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)

public:
    explicit ColorBox(QWidget* parent = nullptr);
    QColor fillColor() const { return fill_; }
    void setFillColor(const QColor& color);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_ = Qt::white;
};

} // namespace platform
