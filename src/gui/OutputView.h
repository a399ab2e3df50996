#pragma once

#include <QDialog>
#include <QPointer>

class QPlainTextEdit;

namespace glimtex {
class OutputWindowState;
}

namespace glimtex::gui {

// The output window "HTMLソース": the collected HTML as editable text without
// wrapping, "クリップボード" and "キャンセル" (Esc).
class OutputView : public QDialog {
    Q_OBJECT
  public:
    OutputView(OutputWindowState& state, QWidget* parent = nullptr);

  public slots:
    void reject() override;

  private:
    void Refresh();
    // The box's text as the engine keeps it: lines end in CR LF.
    QString BoxText() const;

    QPointer<OutputWindowState> state_;
    QPlainTextEdit* box_ = nullptr;
    bool userEdited_ = false;
};

}  // namespace glimtex::gui
