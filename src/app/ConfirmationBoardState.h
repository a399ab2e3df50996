#pragma once

#include <QList>
#include <QObject>

#include "app/WindowKind.h"
#include "html/BoardSummary.h"

namespace glimtex {

class Program;

// The confirmation board "情報結果": the summary of the captured settings, printed
// when it loads, and the question it asks: "完了" generates, "キャンセル" closes.
class ConfirmationBoardState : public QObject {
    Q_OBJECT
  public:
    static constexpr WindowKind kKind = WindowKind::Board;

    explicit ConfirmationBoardState(Program& program);

    // Load: clears the picture area and prints the summary once.
    void Load();
    const QList<SummaryLine>& PrintedLines() const { return lines_; }
    // Unload: the picture area is discarded with the window.
    void Unload() { lines_.clear(); }

    // "完了": the engine generates. A finished run closes the board and shows the
    // output; a refused one shows its notice and leaves the board open.
    void Confirm();
    // "キャンセル": closes the board.
    void Cancel();

  signals:
    void changed();

  private:
    Program& program_;
    QList<SummaryLine> lines_;
};

}  // namespace glimtex
