#include "gui/PreviewLetterView.h"

#include <QPainter>

namespace glimtex::gui {

PreviewLetterView::PreviewLetterView(QString letter, QWidget* parent)
    : QWidget(parent), letter_(std::move(letter)) {}

void PreviewLetterView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    painter.drawText(QPointF(0.0, metrics.capHeight() + 2.0), letter_);
}

}  // namespace glimtex::gui
