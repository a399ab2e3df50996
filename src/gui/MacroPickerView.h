#pragma once

#include <QPointer>

#include "gui/StateDialog.h"

class QComboBox;
class QPlainTextEdit;

namespace glimtex {
class MacroPickerState;
}

namespace glimtex::gui {

// The macro picker "マクロ入力", a tool window: the registered titles, the picked
// macro's description, "確定" (Enter) and "キャンセル" (Esc, and the close box).
class MacroPickerView : public StateDialog {
    Q_OBJECT
  public:
    MacroPickerView(MacroPickerState& state, QWidget* parent = nullptr);

  private:
    void Refresh();

    QPointer<MacroPickerState> state_;
    QComboBox* combo_ = nullptr;
    QPlainTextEdit* textPrint_ = nullptr;
};

}  // namespace glimtex::gui
