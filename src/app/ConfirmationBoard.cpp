#include "app/ConfirmationBoard.h"

#include "app/OutputWindow.h"
#include "app/Program.h"
#include "html/GenerationRun.h"

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
    DecorationSettings& settings = program.Settings();
    // The model of the fragment goes beside HTMLString for the output window's view.
    const bool freshCollection = settings.HTMLString.isEmpty();
    FragmentModel model;
    generator_.RecordInto(&model);
    const RunOutcome outcome = GenerateAndDock(settings, generator_);
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
    program.ShowOutput().SetText(settings.HTMLString);
}

}  // namespace glimtex
