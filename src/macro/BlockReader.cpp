#include "macro/BlockReader.h"

namespace glimtex {

namespace {

// Copies (or skips) lines up to the next end line, which is read but not copied.
qsizetype UpToEnd(const QStringList& lines, qsizetype next, bool copy, QStringView endWord,
                  QStringList& out) {
    while (next < lines.size()) {
        const QString& line = lines[next++];
        if (line.startsWith(endWord)) {
            break;
        }
        if (copy) {
            out.append(line);
        }
    }
    return next;
}

}  // namespace

qsizetype ReadBlock(const QStringList& lines, qsizetype next, bool taken, BlockWords words,
                    QStringList& out) {
    while (next < lines.size()) {
        const QString& line = lines[next++];
        if (line.startsWith(words.endWord)) {
            return next;
        }
        if (line.startsWith(words.elseWord)) {
            // The other branch runs to the end line: copied when the block was not taken.
            return UpToEnd(lines, next, !taken, words.endWord, out);
        }
        if (taken) {
            out.append(line);
        }
    }
    return next;
}

}  // namespace glimtex
