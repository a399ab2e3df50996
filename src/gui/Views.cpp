#include "gui/Views.h"

#include "app/ConfirmationBoard.h"
#include "app/OutputWindow.h"
#include "app/PreviewState.h"
#include "app/Program.h"
#include "gui/BoardView.h"
#include "gui/MainWindowView.h"
#include "gui/OutputView.h"

namespace glimtex::gui {

void BringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

Views::Views(Program& program) : program_(program) {
    connect(&program, &Program::boardShown, this, &Views::ShowBoard);
    connect(&program, &Program::boardClosed, this, &Views::CloseBoard);
    connect(&program, &Program::outputShown, this, &Views::ShowOutput);
    connect(&program, &Program::outputClosed, this, &Views::CloseOutput);
    connect(&program, &Program::previewShown, this, &Views::ShowPreview);
    connect(&program, &Program::previewClosed, this, &Views::ClosePreview);
}

Views::~Views() {
    delete board_;
    delete output_;
    delete preview_;
    delete main_;
}

MainWindowView& Views::ShowMainWindow() {
    if (!main_) {
        main_ = new MainWindowView(program_);
        connect(main_, &MainWindowView::closing, this, &Views::MainWindowClosing);
        // The preview shows the main window's inputs and goes with it.
        connect(main_, &MainWindowView::previewRequested, this, [this] { program_.ShowPreview(); });
        connect(main_, &MainWindowView::closing, &program_, &Program::ClosePreview);
    }
    BringToFront(*main_);
    return *main_;
}

void Views::ShowBoard() {
    if (!board_) board_ = new BoardView(*program_.Board());
    BringToFront(*board_);
}

void Views::CloseBoard() {
    if (!board_) return;
    board_->hide();
    board_->deleteLater();
    board_ = nullptr;
}

void Views::ShowOutput() {
    if (!output_) {
        output_ = new OutputView(*program_.Output());
        output_->RenderFrom(program_);
    }
    BringToFront(*output_);
}

void Views::CloseOutput() {
    if (!output_) return;
    output_->hide();
    output_->deleteLater();
    output_ = nullptr;
}

void Views::ShowPreview() {
    if (!preview_) preview_ = new PreviewView(*program_.Preview());
    BringToFront(*preview_);
}

void Views::ClosePreview() {
    if (!preview_) return;
    preview_->hide();
    preview_->deleteLater();
    preview_ = nullptr;
}

void Views::MainWindowClosing() {
    // The colour tools go with the main window; the board, the output window and
    // the macro picker stay until they are closed themselves.
}

}  // namespace glimtex::gui
