#include "gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace glimtex::gui {

namespace {

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

}  // namespace

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0));
}

QRect TwipRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QSize TwipSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

}  // namespace glimtex::gui
