#pragma once

#include <QObject>
#include <QString>

#include "app/WindowKind.h"
#include "engine/FormControls.h"

namespace glimtex {

class Program;

// The macro picker "マクロ入力": the titles of MacroList.df in an editable combo box,
// the description of the picked one, and "確定" to apply it after a question.
class MacroPickerState : public QObject {
    Q_OBJECT
  public:
    static constexpr WindowKind kKind = WindowKind::MacroPicker;
    explicit MacroPickerState(Program& program);

    // Load (run by Program each time the picker opens after being closed): lists the
    // titles of MacroList.df afresh and forgets any earlier pick.
    void Load();

    // MacroListCombo: start text "NULL", the titles in file order (duplicates and empty
    // titles too).
    const ComboBoxState& Combo() const { return combo_; }
    // TextPrint: the description of the picked macro, or the start text.
    const QString& Description() const { return textPrint_; }
    // The file of the entry picked last, or empty.
    const QString& PickedFile() const { return macroFileName_; }

    // The user types into the combo box: only its text changes.
    void SetComboText(const QString& text);
    // A pick from the list: the combo box already shows the picked title. The first
    // entry with that title gives the description and the file.
    void PickShownTitle();
    // Picks list entry `index`: its title becomes the combo's text, then the pick runs.
    void PickListEntry(int index);

    // "確定": "何も設定されておりません" while the text is "NULL"; "マクロファイルが見つかりません"
    // when nothing was picked; a notice naming the file when it is missing from the
    // Macro folder. Otherwise asks, and on Yes closes the picker and applies the macro.
    void Confirm();
    // "キャンセル", and the close box: closes the picker; nothing else changes.
    void Cancel();

  signals:
    void changed();

  private:
    Program& program_;
    ComboBoxState combo_;
    QString textPrint_;
    QString macroFileName_;
};

// The texts of the picker and of its messages.
namespace MacroPickerText {
inline const QString kCaption = QStringLiteral("マクロ入力");
inline const QString kOkButton = QStringLiteral("確定");
inline const QString kCancelButton = QStringLiteral("キャンセル");
inline const QString kComboStart = QStringLiteral("NULL");
inline const QString kTextPrintStart = QStringLiteral("何も設定されていません\r\n");
inline const QString kNothingPickedMessage = QStringLiteral("何も設定されておりません");
inline const QString kNoMacroFileMessage = QStringLiteral("マクロファイルが見つかりません");
inline const QString kApplyTitle = QStringLiteral("マクロ適用");
inline const QString kApplyQuestion = QStringLiteral("本当にこのマクロを適用してもいいですか？");
// What screen readers are told of the list of macros and of the description box.
inline const QString kListName = QStringLiteral("マクロ");
inline const QString kListPurpose = QStringLiteral("登録されたマクロから選びます");
inline const QString kDescriptionName = QStringLiteral("マクロの説明");
}  // namespace MacroPickerText

}  // namespace glimtex
