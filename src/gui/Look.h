#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace glimtex::gui {

// A packed colour of the engine (R + 256*G + 65536*B, that is 0x00BBGGRR; the
// reverse of Qt's QRgb) as a QColor.
QColor FromPacked(uint32_t packed);
// A painted colour, or the system button-face colour when there is none.
QColor PaintedOrButtonFace(std::optional<uint32_t> packed);
QColor ButtonFace();

// The desktop's Japanese UI font at the given point size, and a monospaced one.
QFont UiFont(qreal pointSize);
QFont MonospacedFont(qreal pointSize);

// Makes the widget's font smaller, when needed, until its text fits its width:
// the desktop's CJK fonts run wider than the layout allows for.
void FitFontToWidth(QWidget& widget, const QString& text);
// The frame of a secondary window: a caption with a close box, no maximize box.
inline constexpr Qt::WindowFlags kToolWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;
// What every window of the program starts with: its fixed object name, its caption, our
// icon, the UI font; and, for a window of fixed size, that size in twips.
void SetUpWindow(QWidget& window, const QString& name, const QString& caption);
void SetUpFixedWindow(QWidget& window, const QString& name, const QString& caption, int widthTwips,
                      int heightTwips);
// Gives a label its text colour.
void SetTextColor(QWidget& widget, const QColor& color);
// Draws a frame's caption on its border line, as classic group frames have it.
void StyleAsFrame(QWidget& groupBox);
// Gives a text box the button-face background.
void SetButtonFaceBase(QWidget& widget);

}  // namespace glimtex::gui
