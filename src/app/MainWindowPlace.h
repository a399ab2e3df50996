#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace glimtex {

// Where the main window opens: the top left corner of its frame, of the given size.
// The place it was left at last time, when some of it still lies on a screen; else
// centred on `home`, the title window it takes the place of (or a screen's middle).
// Either way moved as little as needed to stand whole on the screen that holds most
// of it. Screens are given by the areas windows may take (the desktop's panels left
// out).
QPoint MainWindowPlace(std::optional<QPoint> saved, QSize frame, const QList<QRect>& screens,
                       const QRect& home);

// The place the main window was last left at (the top left corner of its client
// area, inside the frame), kept in the user's settings (glimtex/glimtex.conf in the
// configuration folder) from one run to the next.
std::optional<QPoint> SavedMainWindowPlace();
void SaveMainWindowPlace(QPoint place);

}  // namespace glimtex
