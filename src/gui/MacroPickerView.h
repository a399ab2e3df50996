#pragma once

#include <QDialog>
#include <QPointer>

class QComboBox;
class QPlainTextEdit;

namespace glimtex {
class MacroPickerState;
}

namespace glimtex::gui {

// The macro picker "マクロ入力", a tool window: the registered titles, the picked
// macro's description, "確定" (Enter) and "キャンセル" (Esc, and the close box).
class MacroPickerView : public QDialog {
    Q_OBJECT
  public:
    MacroPickerView(MacroPickerState& state, QWidget* parent = nullptr);

  public slots:
    void accept() override;
    void reject() override;

  private:
    void Refresh();

    QPointer<MacroPickerState> state_;
    QComboBox* combo_ = nullptr;
    QPlainTextEdit* textPrint_ = nullptr;
};

}  // namespace glimtex::gui
