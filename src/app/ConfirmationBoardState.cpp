#include "app/ConfirmationBoardState.h"

#include "app/Program.h"

namespace glimtex {

ConfirmationBoardState::ConfirmationBoardState(Program& program) : program_(program) {}

void ConfirmationBoardState::Load() {
    lines_ = BoardSummary(program_.Settings());
    emit changed();
}

void ConfirmationBoardState::Confirm() { program_.Core().Generate(); }

void ConfirmationBoardState::Cancel() {
    if (program_.Find<ConfirmationBoardState>() == this) program_.Close<ConfirmationBoardState>();
}

}  // namespace glimtex
