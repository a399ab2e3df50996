#include "app/Program.h"

#include "app/ConfirmationBoard.h"
#include "app/MainWindowState.h"
#include "app/OutputWindow.h"

namespace glimtex {

Program::Program(const QString& programFolder, Feedback& feedback, Clipboard& clipboard)
    : folder_(programFolder), feedback_(feedback), clipboard_(clipboard) {}

Program::~Program() = default;

MainWindowState& Program::MainWindow() {
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<MainWindowState>(*this, settings_);
        mainWindow_->Load();
    }
    return *mainWindow_;
}

ConfirmationBoardState& Program::ShowBoard() {
    if (!board_) {
        board_ = std::make_unique<ConfirmationBoardState>(*this);
        board_->Load();
    }
    emit boardShown();
    return *board_;
}

void Program::CloseBoard() {
    if (!board_) return;
    // Its printed lines go now: a macro may close thousands of boards before the
    // event loop deletes any of them.
    board_->Unload();
    Retire(board_.release());
    emit boardClosed();
}

OutputWindowState& Program::ShowOutput() {
    if (!output_) output_ = std::make_unique<OutputWindowState>(*this);
    emit outputShown();
    return *output_;
}

void Program::CloseOutput() {
    if (!output_) return;
    Retire(output_.release());
    emit outputClosed();
}

void Program::Retire(QObject* window) {
    window->setParent(this);
    window->deleteLater();
}

}  // namespace glimtex
