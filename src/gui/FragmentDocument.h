#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <span>

#include "html/FragmentModel.h"

class QTextCursor;
class QTextDocument;

namespace glimtex::gui {

// The page a browser shows by default: black text on white, links in their own
// blue, and the "medium" size (HTML font size 3) of 12 points.
inline const QColor kPageText(0, 0, 0);
inline const QColor kPageBackground(255, 255, 255);
inline const QColor kLinkColour(0, 0, 0xEE);
QFont PageFont();

// HTML font sizes as browsers read "<Font Size=...>": a number with a minus sign is
// relative to size 3, any other is the size itself; both are clamped into 1..7.
int LegacyFontLevel(int sizeAttribute);
// The point size of a level, from the browsers' table for a medium of 16 pixels:
// 1 x-small 10 px, 2 small 13 px, 3 medium 16 px, 4 large 18 px, 5 x-large 24 px,
// 6 xx-large 32 px, 7 xxx-large 48 px; level 0 (a "<SMALL>" inside size 1) is
// xx-small, 9 px. Points are pixels at 96 dots per inch.
qreal LegacyPointSize(int level);

// Writes a fragment at the cursor as a browser shows it: the characters with their
// colours and sizes, the line's styles, a link, and the background table.
void AppendFragment(QTextCursor& cursor, const FragmentModel& fragment);
// One line of red text saying why there is nothing to show.
void AppendRefusal(QTextCursor& cursor, const QString& reason);

// A fresh document in the page's look, holding the given fragments one after
// another, separated as the CR LF between them shows: a blank.
void FillDocument(QTextDocument& document, std::span<const FragmentModel> fragments);

}  // namespace glimtex::gui
