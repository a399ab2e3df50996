#include "gui/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "gui/Look.h"

namespace glimtex::gui {

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    painter.setPen(QPen(QColor(40, 40, 72), s / 32.0));
    painter.setBrush(QColor(250, 248, 240));
    painter.drawRoundedRect(tile, s * 0.18, s * 0.18);

    QLinearGradient rainbow(tile.topLeft(), tile.bottomRight());
    const QColor stops[] = {QColor(230, 0, 0), QColor(255, 150, 0), QColor(230, 200, 0),
                            QColor(0, 170, 0), QColor(0, 90, 230),  QColor(140, 0, 200)};
    for (int i = 0; i < 6; ++i) rainbow.setColorAt(i / 5.0, stops[i]);
    QFont font = UiFont(10);
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(s * 0.78)));
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("G"));
    const QRectF box = letter.boundingRect();
    letter.translate(s * 0.46 - box.center().x(), s * 0.47 - box.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(rainbow);
    painter.drawPath(letter);

    // "</>" in the lower right: the tool writes HTML.
    QFont small = UiFont(8);
    small.setBold(true);
    small.setPixelSize(std::max(5, static_cast<int>(s * 0.22)));
    painter.setFont(small);
    painter.setPen(QColor(40, 40, 72));
    painter.drawText(QRectF(s * 0.45, s * 0.70, s * 0.48, s * 0.24), Qt::AlignCenter,
                     QStringLiteral("</>"));
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

}  // namespace glimtex::gui
