#include "app/Program.h"

#include "app/ColorMixer.h"
#include "app/ColorPalette.h"
#include "app/ConfirmationBoard.h"
#include "app/MacroPicker.h"
#include "app/MainWindowState.h"
#include "app/OutputWindow.h"
#include "app/PreviewState.h"

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

ColorMixerState& Program::LoadColorMixer() {
    if (!colorMixer_) {
        colorMixer_ = std::make_unique<ColorMixerState>(*this);
        colorMixer_->Load();
    }
    return *colorMixer_;
}

ColorMixerState& Program::ShowColorMixer() {
    ColorMixerState& mixer = LoadColorMixer();
    emit colorMixerShown();
    return mixer;
}

void Program::CloseColorMixer() {
    if (!colorMixer_) return;
    // The mixer's unload step closes the palette.
    CloseColorPalette();
    Retire(colorMixer_.release());
    emit colorMixerClosed();
}

ColorPaletteState& Program::ShowColorPalette() {
    if (!colorPalette_) {
        colorPalette_ = std::make_unique<ColorPaletteState>(*this);
        colorPalette_->Load();
    }
    emit colorPaletteShown();
    return *colorPalette_;
}

void Program::CloseColorPalette() {
    if (!colorPalette_) return;
    Retire(colorPalette_.release());
    emit colorPaletteClosed();
}

MacroPickerState& Program::ShowMacroPicker() {
    if (!macroPicker_) {
        macroPicker_ = std::make_unique<MacroPickerState>(*this);
        macroPicker_->Load();
    }
    emit macroPickerShown();
    return *macroPicker_;
}

void Program::CloseMacroPicker() {
    if (!macroPicker_) return;
    Retire(macroPicker_.release());
    emit macroPickerClosed();
}

PreviewState& Program::ShowPreview() {
    if (!preview_) preview_ = std::make_unique<PreviewState>(*this);
    emit previewShown();
    return *preview_;
}

void Program::ClosePreview() {
    if (!preview_) return;
    Retire(preview_.release());
    emit previewClosed();
}

void Program::RecordDocked(FragmentModel model, bool freshCollection) {
    if (freshCollection) docked_.clear();
    docked_.push_back(std::move(model));
}

void Program::Retire(QObject* window) {
    window->setParent(this);
    window->deleteLater();
}

}  // namespace glimtex
