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

void Program::PinOutputFormat(FragmentFormat format) {
    settings_.OutputFormat = format;
    outputFormatPinned_ = true;
}

MainWindowState& Program::MainWindow() {
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<MainWindowState>(*this, settings_);
        mainWindow_->Load();
    }
    return *mainWindow_;
}

// A window state is created, and its load step run, the first time anything
// touches it.
template <typename Window>
Window& Program::Touch(std::unique_ptr<Window>& window) {
    if (!window) {
        window = std::make_unique<Window>(*this);
        if constexpr (requires { window->Load(); }) window->Load();
    }
    return *window;
}

// Unloads a window state; false when it was not loaded.
template <typename Window>
bool Program::Unload(std::unique_ptr<Window>& window) {
    if (!window) return false;
    Retire(window.release());
    return true;
}

ConfirmationBoardState& Program::ShowBoard() {
    ConfirmationBoardState& board = Touch(board_);
    emit boardShown();
    return board;
}

void Program::CloseBoard() {
    if (!board_) return;
    // Its printed lines go now: a macro may close thousands of boards before the
    // event loop deletes any of them.
    board_->Unload();
    Unload(board_);
    emit boardClosed();
}

OutputWindowState& Program::ShowOutput() {
    OutputWindowState& output = Touch(output_);
    emit outputShown();
    return output;
}

void Program::CloseOutput() {
    if (Unload(output_)) emit outputClosed();
}

ColorMixerState& Program::LoadColorMixer() { return Touch(colorMixer_); }

ColorMixerState& Program::ShowColorMixer() {
    ColorMixerState& mixer = LoadColorMixer();
    emit colorMixerShown();
    return mixer;
}

void Program::CloseColorMixer() {
    if (!colorMixer_) return;
    // The mixer's unload step closes the palette.
    CloseColorPalette();
    Unload(colorMixer_);
    emit colorMixerClosed();
}

ColorPaletteState& Program::ShowColorPalette() {
    ColorPaletteState& palette = Touch(colorPalette_);
    emit colorPaletteShown();
    return palette;
}

void Program::CloseColorPalette() {
    if (Unload(colorPalette_)) emit colorPaletteClosed();
}

MacroPickerState& Program::ShowMacroPicker() {
    MacroPickerState& picker = Touch(macroPicker_);
    emit macroPickerShown();
    return picker;
}

void Program::CloseMacroPicker() {
    if (Unload(macroPicker_)) emit macroPickerClosed();
}

PreviewState& Program::ShowPreview() {
    PreviewState& preview = Touch(preview_);
    emit previewShown();
    return preview;
}

void Program::ClosePreview() {
    if (Unload(preview_)) emit previewClosed();
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
