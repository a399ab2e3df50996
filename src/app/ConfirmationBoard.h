#pragma once

#include <QList>
#include <QObject>

#include "html/BoardSummary.h"
#include "html/GenerationRun.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

class Program;

// The confirmation board "情報結果": the summary printed when it loads, "完了" and
// "キャンセル", and the generation run with the generator's private state.
class ConfirmationBoardState : public QObject {
    Q_OBJECT
  public:
    explicit ConfirmationBoardState(Program& program);

    // Load: clears the picture area and prints the summary once.
    void Load();
    const QList<SummaryLine>& PrintedLines() const { return lines_; }
    // Unload: the picture area is discarded with the window.
    void Unload() { lines_.clear(); }

    void OK_Button_Click();      // "完了": MainHTMLCreate
    void Cancel_Button_Click();  // "キャンセル": closes the board

    // The generation run: check, build onto the collection, close the board, show
    // the output. A refused run shows its notice and leaves the board open. The
    // fragment is written straight onto HTMLString, so MainHTML stays empty.
    void MainHTMLCreate();

    const HtmlGenerator& Generator() const { return generator_; }

  signals:
    void changed();

  private:
    RunOutcome GenerateOntoCollection();

    Program& program_;
    HtmlGenerator generator_;
    QList<SummaryLine> lines_;
};

}  // namespace glimtex
