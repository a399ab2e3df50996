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
inline const QColor kLinkColor(0, 0, 0xEE);
QFont PageFont();

// Points of a browser's pixel size, at 96 dots per inch.
inline qreal PixelsToPoints(double pixels) { return pixels * 0.75; }

// Writes a fragment at the cursor as a browser shows it in the fragment's format:
// the characters with their colours and sizes, the line's styles, a link, and, where
// the browser shows one, the background box.
void AppendFragment(QTextCursor& cursor, const FragmentModel& fragment);
// One line of red text saying why there is nothing to show, and under it, when there
// is one, a line in the page's text saying what to do about it.
void AppendRefusal(QTextCursor& cursor, const QString& reason, const QString& hint);

// A fresh document in the page's look, holding the given fragments one after
// another, separated as the CR LF between them shows: a blank.
void FillDocument(QTextDocument& document, std::span<const FragmentModel> fragments);

}  // namespace glimtex::gui
