#pragma once

#include <QIcon>
#include <QImage>

namespace glimtex::gui {

// Glimtex's own icon, drawn here: a rounded tile with a rainbow "G" and a small
// tag bracket.
QImage DrawAppIcon(int size);
QIcon AppIcon();

}  // namespace glimtex::gui
