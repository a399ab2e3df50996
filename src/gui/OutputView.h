#pragma once

#include <QPointer>

#include "gui/StateDialog.h"

class QPlainTextEdit;
class QTabWidget;

namespace glimtex {
class OutputWindowState;
}  // namespace glimtex

namespace glimtex::gui {

class RenderedPage;

// The output window "HTMLソース": the collected HTML as editable text without
// wrapping on the tab "ソース", the same HTML as a browser shows it on the tab
// "表示", "クリップボード" and "キャンセル" (Esc).
class OutputView : public StateDialog {
    Q_OBJECT
  public:
    OutputView(OutputWindowState& state, QWidget* parent = nullptr);

  private:
    void Refresh();
    // The box's text as the engine keeps it: lines end in CR LF.
    QString BoxText() const;

    void RefreshRendered();

    QPointer<OutputWindowState> state_;
    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* box_ = nullptr;
    RenderedPage* rendered_ = nullptr;
    bool renderedStale_ = true;
    bool userEdited_ = false;
};

}  // namespace glimtex::gui
