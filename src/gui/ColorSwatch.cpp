#include "gui/ColorSwatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "gui/Look.h"

namespace glimtex::gui {

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }

void ColorSwatch::SetColor(std::optional<uint32_t> packed) {
    if (packed == color_) return;
    color_ = packed;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), PaintedOrButtonFace(color_));
    // A sunken border, as a picture box has.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace glimtex::gui
