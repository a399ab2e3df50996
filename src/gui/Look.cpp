#include "gui/Look.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>

#include "gui/AppIcon.h"
#include "gui/Twips.h"

namespace glimtex::gui {

QColor FromPacked(uint32_t packed) {
    return QColor(static_cast<int>(packed & 0xFFu), static_cast<int>((packed >> 8) & 0xFFu),
                  static_cast<int>((packed >> 16) & 0xFFu));
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

QColor PaintedOrButtonFace(std::optional<uint32_t> packed) {
    return packed ? FromPacked(*packed) : ButtonFace();
}

QFont UiFont(qreal pointSize) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                      QStringLiteral("Sans Serif")});
    font.setPointSizeF(pointSize);
    return font;
}

QFont MonospacedFont(qreal pointSize) {
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"),
                      QStringLiteral("VL Gothic"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(pointSize);
    return font;
}

void FitFontToWidth(QWidget& widget, const QString& text) {
    QFont font = widget.font();
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(text) > widget.width()) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    widget.setFont(font);
}

void SetUpWindow(QWidget& window, const QString& name, const QString& caption) {
    window.setObjectName(name);
    window.setWindowTitle(caption);
    window.setWindowIcon(AppIcon());
    window.setFont(UiFont(9));
}

void SetUpFixedWindow(QWidget& window, const QString& name, const QString& caption, int widthTwips,
                      int heightTwips) {
    SetUpWindow(window, name, caption);
    window.setFixedSize(TwipSize(widthTwips, heightTwips));
}

void SetTextColor(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget.setPalette(palette);
}

void StyleAsFrame(QWidget& groupBox) {
    groupBox.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 0px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; top: 0px; padding: 0px 2px; }"));
}

void SetButtonFaceBase(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, ButtonFace());
    widget.setPalette(palette);
}

}  // namespace glimtex::gui
