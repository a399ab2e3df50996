#pragma once

#include <QList>
#include <QStringList>

#include "html/BoardSummary.h"

namespace glimtex::testing {

// The golden file's board cases: the path, and the marker before a line printed in red.
inline const QString kBoardCasesPath = QStringLiteral(GLIMTEX_TEST_DATA_DIR "/board-summaries.txt");
inline const QString kRedMark = QStringLiteral("[red] ");

// The board's lines as the golden file holds them: each text, after kRedMark when it
// is printed in red.
inline QStringList BoardLines(const QList<SummaryLine>& lines) {
    QStringList texts;
    for (const SummaryLine& line : lines) texts << (line.red ? kRedMark + line.text : line.text);
    return texts;
}

}  // namespace glimtex::testing
