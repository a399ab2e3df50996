#pragma once

#include <QList>
#include <QPointer>

#include "gui/StateDialog.h"
#include "html/BoardSummary.h"

namespace glimtex {
class ConfirmationBoardState;
}

namespace glimtex::gui {

// The picture area of the board: the summary printed line by line from the top
// left, in the text colour, a red line in red.
class SummaryPicture : public QWidget {
    Q_OBJECT
  public:
    explicit SummaryPicture(QWidget* parent = nullptr);
    void SetLines(const QList<SummaryLine>& lines);
    const QList<SummaryLine>& Lines() const { return lines_; }
    // The rectangle of printed line i, for tests and for the eye.
    QRect LineRect(int i) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int LinePitch() const;
    QList<SummaryLine> lines_;
};

// The confirmation board "情報結果", not modal: "完了" (Enter) generates,
// "キャンセル" (Esc) and the close box close it.
class BoardView : public StateDialog {
    Q_OBJECT
  public:
    BoardView(ConfirmationBoardState& state, QWidget* parent = nullptr);

  private:
    QPointer<ConfirmationBoardState> state_;
    SummaryPicture* picture_ = nullptr;
};

}  // namespace glimtex::gui
