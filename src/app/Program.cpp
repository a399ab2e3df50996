#include "app/Program.h"

#include "app/ColorMixerState.h"
#include "app/ColorPaletteState.h"
#include "app/ConfirmationBoardState.h"
#include "app/MacroPickerState.h"
#include "app/MainWindowState.h"
#include "app/OutputWindowState.h"
#include "app/PreviewState.h"

namespace glimtex {

Program::Program(const QString& programFolder, Feedback& feedback, Clipboard& clipboard)
    : engine_(programFolder, feedback, clipboard) {
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

#define GLIMTEX_PROGRAM_WINDOW(Window)        \
    template Window& Program::Show<Window>(); \
    template Window& Program::Load<Window>(); \
    template Window* Program::Find<Window>(); \
    template void Program::Close<Window>();
GLIMTEX_PROGRAM_WINDOW(ConfirmationBoardState)
GLIMTEX_PROGRAM_WINDOW(OutputWindowState)
GLIMTEX_PROGRAM_WINDOW(ColorMixerState)
GLIMTEX_PROGRAM_WINDOW(ColorPaletteState)
GLIMTEX_PROGRAM_WINDOW(MacroPickerState)
GLIMTEX_PROGRAM_WINDOW(PreviewState)
#undef GLIMTEX_PROGRAM_WINDOW

}  // namespace glimtex
