#include "app/ConfirmationBoard.h"

#include "app/OutputWindow.h"
#include "app/Program.h"

namespace glimtex {

ConfirmationBoardState::ConfirmationBoardState(Program& program) : program_(program) {}

void ConfirmationBoardState::Load() {
    lines_ = BoardSummary(program_.Settings());
    emit changed();
}

void ConfirmationBoardState::OK_Button_Click() { MainHTMLCreate(); }

void ConfirmationBoardState::Cancel_Button_Click() {
    if (program_.Board() == this) program_.CloseBoard();
}

void ConfirmationBoardState::MainHTMLCreate() {
    // Closing the board retires this object; everything after that goes through
    // the program alone.
    Program& program = program_;
    // The model of the fragment goes beside HTMLString for the output window's view.
    const bool freshCollection = program.Settings().HTMLString.isEmpty();
    FragmentModel model;
    generator_.RecordInto(&model);
    const RunOutcome outcome = GenerateOntoCollection();
    generator_.RecordInto(nullptr);
    switch (outcome) {
        case RunOutcome::Refused:
            program.UserFeedback().ShowNotice(kNoticeTitle, kRefusalMessage);
            return;
        case RunOutcome::Overflow:
            program.UserFeedback().ShowNotice(kNoticeTitle, kOverflowMessage);
            return;
        case RunOutcome::Done:
            break;
    }
    program.RecordDocked(std::move(model), freshCollection);
    if (program.Board() == this) program.CloseBoard();
    program.ShowOutput().ShowCollection(program.Settings().HTMLString);
}

// Check, then build the fragment straight onto HTMLString: docking costs what the
// fragment adds, however long the collection is.
RunOutcome ConfirmationBoardState::GenerateOntoCollection() {
    DecorationSettings& settings = program_.Settings();
    QString& collected = settings.HTMLString;
    generator_.ClearMainHTML();
    if (HtmlGenerator::CodeErrorCheck(settings)) return RunOutcome::Refused;
    // After a run the output box shares the collection. It lets go while the fragment
    // is added, which would otherwise copy the whole collection first, and takes it
    // back when the run stops on an overflow (the collection is then as it was).
    OutputWindowState* output = program_.Output();
    const bool boxSharesCollection = output != nullptr && output->SharesText(collected);
    if (boxSharesCollection) output->ReleaseText();
    if (!generator_.BuildOnto(settings, collected)) {
        if (boxSharesCollection) output->SetText(collected);
        return RunOutcome::Overflow;
    }
    return RunOutcome::Done;
}

}  // namespace glimtex
