#include "gui/ColorStrip.h"

#include <QPainter>

#include "gui/Look.h"

namespace glimtex::gui {

ColorStrip::ColorStrip(QWidget* parent) : QWidget(parent) {}

void ColorStrip::SetRectangles(const Rectangles& rectangles) {
    if (rectangles == rectangles_) return;
    rectangles_ = rectangles;
    update();
}

void ColorStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ButtonFace());
    const float w = static_cast<float>(width());
    for (int k = 0; k < static_cast<int>(rectangles_.size()); ++k) {
        const float left = static_cast<float>(k) * w / 100.0f;
        const float right = static_cast<float>(k + 1) * w / 100.0f;
        const QRectF area(static_cast<qreal>(left), 0.0, static_cast<qreal>(right - left),
                          static_cast<qreal>(height()));
        painter.fillRect(area, PaintedOrButtonFace(rectangles_[static_cast<size_t>(k)]));
    }
}

}  // namespace glimtex::gui
