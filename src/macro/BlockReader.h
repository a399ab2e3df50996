#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace glimtex {

// The lines of an #IFDEF or #IF block, read straight from the lines of the pass.
// A line is an else line or an end line when it begins with the else word or the
// end word. The chosen lines are copied as they stand, for the next pass; the
// else and end lines are not. Blocks do not nest: the first end line closes the
// block. A block still open at the last line ends there.
struct BlockWords {
    QStringView elseWord;
    QStringView endWord;
};

// Reads the block whose first line is lines[next]; returns the number of the
// first line after it.
qsizetype ReadBlock(const QStringList& lines, qsizetype next, bool taken, BlockWords words,
                    QStringList& out);

}  // namespace glimtex
