#include "app/MacroPickerState.h"

#include "app/Program.h"
#include "engine/RegisteredMacros.h"

namespace glimtex {

MacroPickerState::MacroPickerState(Program& program)
    : program_(program),
      combo_{MacroPickerText::kComboStart, {}},
      textPrint_(MacroPickerText::kTextPrintStart) {}

void MacroPickerState::Load() {
    // An oversized list is not read: say so, rather than offer an empty list.
    if (MacroListTooLarge(program_.Folder())) {
        program_.UserFeedback().ShowNotice(kNoticeTitle, kMacroListTooLargeMessage);
    }
    for (const RegisteredMacro& macro : ReadRegisteredMacros(program_.Folder())) {
        combo_.items.append(macro.title);
    }
    macroFileName_.clear();
    emit changed();
}

void MacroPickerState::SetComboText(const QString& text) {
    combo_.text = text;
    emit changed();
}

void MacroPickerState::PickShownTitle() {
    macroFileName_.clear();
    // The list is read again: the first entry with the title wins, and without one
    // the description stays as it was.
    const auto picked = FindRegisteredMacro(ReadRegisteredMacros(program_.Folder()), combo_.text);
    if (picked) {
        textPrint_ = picked->description;
        macroFileName_ = picked->file;
    }
    emit changed();
}

void MacroPickerState::PickListEntry(int index) {
    if (index < 0 || index >= combo_.items.size()) return;
    combo_.text = combo_.items[index];
    PickShownTitle();
}

void MacroPickerState::Confirm() {
    Program& program = program_;
    Feedback& feedback = program.UserFeedback();
    if (combo_.text == MacroPickerText::kComboStart) {
        feedback.ShowNotice(kNoticeTitle, MacroPickerText::kNothingPickedMessage);
        return;
    }
    if (macroFileName_.isEmpty()) {
        feedback.ShowNotice(kNoticeTitle, MacroPickerText::kNoMacroFileMessage);
        return;
    }
    // A file that is not there is told before the question, and the picker stays open
    // for another pick.
    if (!RegisteredMacroPath(program.Folder(), macroFileName_)) {
        feedback.ShowNotice(kNoticeTitle, MissingMacroFileMessage(macroFileName_));
        return;
    }
    if (!feedback.AskYesNo(MacroPickerText::kApplyTitle, MacroPickerText::kApplyQuestion)) return;
    // Closing retires this object; the macro runs after it, through the program alone.
    const QString file = macroFileName_;
    if (program.Find<MacroPickerState>() == this) program.Close<MacroPickerState>();
    ApplyRegisteredMacro(program.Core(), file);
}

void MacroPickerState::Cancel() {
    if (program_.Find<MacroPickerState>() == this) program_.Close<MacroPickerState>();
}

}  // namespace glimtex
