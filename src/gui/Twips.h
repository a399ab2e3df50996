#pragma once

#include <QRect>
#include <QSize>

namespace glimtex::gui {

// The windows are laid out in twips (1/1440 inch). They become pixels at the
// screen's logical resolution: 15 twips a pixel at 96 dots per inch.
int TwipsToPixels(int twips);
QRect TwipRect(int left, int top, int width, int height);
QSize TwipSize(int width, int height);

}  // namespace glimtex::gui
