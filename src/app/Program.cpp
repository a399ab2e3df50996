#include "app/Program.h"

#include "app/ColorMixerState.h"
#include "app/ColorPaletteState.h"
#include "app/ConfirmationBoardState.h"
#include "app/GradientDetailsState.h"
#include "app/MacroPickerState.h"
#include "app/MainWindowState.h"
#include "app/OutputWindowState.h"
#include "app/PreviewState.h"

namespace glimtex {

Program::Program(const QString& programFolder, Feedback& feedback, Clipboard& clipboard)
    : engine_(programFolder, feedback), clipboard_(clipboard) {
    // A run waits for its confirmation on the board; a finished run closes the board
    // and shows the collection. A refused run leaves the board open.
    connect(&engine_, &Engine::runPrepared, this, [this] { Show<ConfirmationBoardState>(); });
    connect(&engine_, &Engine::generated, this, &Program::FinishRun);
}

Program::~Program() = default;

MainWindowState& Program::MainWindow() {
    if (!mainWindow_) {
        mainWindow_ = std::make_unique<MainWindowState>(*this);
        mainWindow_->Load();
    }
    return *mainWindow_;
}

void Program::FinishRun(RunOutcome outcome) {
    if (outcome != RunOutcome::Done) return;
    Close<ConfirmationBoardState>();
    Show<OutputWindowState>().ShowCollection();
}

template <typename Window>
std::unique_ptr<Window>& Program::Slot() {
    return std::get<std::unique_ptr<Window>>(windows_);
}

template <typename Window>
Window& Program::Load() {
    std::unique_ptr<Window>& window = Slot<Window>();
    if (!window) {
        window = std::make_unique<Window>(*this);
        if constexpr (requires { window->Load(); }) window->Load();
    }
    return *window;
}

template <typename Window>
Window& Program::Show() {
    Window& window = Load<Window>();
    emit shown(Window::kKind);
    return window;
}

template <typename Window>
Window* Program::Find() {
    return Slot<Window>().get();
}

template <typename Window>
void Program::Close() {
    std::unique_ptr<Window>& window = Slot<Window>();
    if (!window) return;
    // The unload step runs now (the board lets go of its lines, the mixer closes the
    // palette): a macro may close thousands of boards before the event loop deletes
    // any of them.
    if constexpr (requires { window->Unload(); }) window->Unload();
    Retire(window.release());
    emit closed(Window::kKind);
}

void Program::Retire(QObject* window) {
    window->setParent(this);
    window->deleteLater();
}

// The windows the registry holds.
template ConfirmationBoardState& Program::Show<ConfirmationBoardState>();
template ConfirmationBoardState& Program::Load<ConfirmationBoardState>();
template ConfirmationBoardState* Program::Find<ConfirmationBoardState>();
template void Program::Close<ConfirmationBoardState>();
template OutputWindowState& Program::Show<OutputWindowState>();
template OutputWindowState& Program::Load<OutputWindowState>();
template OutputWindowState* Program::Find<OutputWindowState>();
template void Program::Close<OutputWindowState>();
template ColorMixerState& Program::Show<ColorMixerState>();
template ColorMixerState& Program::Load<ColorMixerState>();
template ColorMixerState* Program::Find<ColorMixerState>();
template void Program::Close<ColorMixerState>();
template ColorPaletteState& Program::Show<ColorPaletteState>();
template ColorPaletteState& Program::Load<ColorPaletteState>();
template ColorPaletteState* Program::Find<ColorPaletteState>();
template void Program::Close<ColorPaletteState>();
template MacroPickerState& Program::Show<MacroPickerState>();
template MacroPickerState& Program::Load<MacroPickerState>();
template MacroPickerState* Program::Find<MacroPickerState>();
template void Program::Close<MacroPickerState>();
template PreviewState& Program::Show<PreviewState>();
template PreviewState& Program::Load<PreviewState>();
template PreviewState* Program::Find<PreviewState>();
template void Program::Close<PreviewState>();
template GradientDetailsState& Program::Show<GradientDetailsState>();
template GradientDetailsState& Program::Load<GradientDetailsState>();
template GradientDetailsState* Program::Find<GradientDetailsState>();
template void Program::Close<GradientDetailsState>();

}  // namespace glimtex
