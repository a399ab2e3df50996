#pragma once

#include <QObject>
#include <memory>
#include <tuple>

#include "app/WindowKind.h"
#include "engine/Engine.h"

namespace glimtex {

class MainWindowState;
class ConfirmationBoardState;
class OutputWindowState;
class ColorMixerState;
class ColorPaletteState;
class MacroPickerState;
class PreviewState;
class GradientDetailsState;

// The running program: the engine and, over it, the window states. The main window
// is created the first time something touches it; every other window is created
// (its load step run) when it is first shown or loaded, and unloaded when closed.
// The views follow the windows through shown() and closed().
class Program : public QObject {
    Q_OBJECT
  public:
    Program(const QString& programFolder, Feedback& feedback, Clipboard& clipboard);
    ~Program() override;

    Engine& Core() { return engine_; }
    DecorationSettings& Settings() { return engine_.Settings(); }
    const ProgramFolder& Folder() const { return engine_.Folder(); }
    NoticeBudget& UserFeedback() { return engine_.UserFeedback(); }
    // Only the output window copies: the engine itself never touches the clipboard.
    Clipboard& SystemClipboard() { return clipboard_; }
    DecorationForm& Form() { return engine_.Form(); }

    // The main window, loaded on first touch (hidden until the view shows it). It is
    // loaded once its form is: a macro statement that fills the form loads it.
    MainWindowState& MainWindow();
    bool MainWindowLoaded() const { return engine_.FormLoaded(); }

    // Shows a window: loads it when it is closed, otherwise brings it to the front.
    template <typename Window>
    Window& Show();
    // Loads a window without showing it.
    template <typename Window>
    Window& Load();
    // The window, or null when it is closed.
    template <typename Window>
    Window* Find();
    // Unloads a window; nothing when it is closed.
    template <typename Window>
    void Close();

  signals:
    void shown(WindowKind kind);
    void closed(WindowKind kind);

  private:
    template <typename Window>
    std::unique_ptr<Window>& Slot();
    // A closed window may still be running the handler that closed it, so it is
    // deleted later, and with the program at the latest.
    void Retire(QObject* window);
    void FinishRun(RunOutcome outcome);

    Engine engine_;
    Clipboard& clipboard_;
    std::unique_ptr<MainWindowState> mainWindow_;
    std::tuple<std::unique_ptr<ConfirmationBoardState>, std::unique_ptr<OutputWindowState>,
               std::unique_ptr<ColorMixerState>, std::unique_ptr<ColorPaletteState>,
               std::unique_ptr<MacroPickerState>, std::unique_ptr<PreviewState>,
               std::unique_ptr<GradientDetailsState>>
        windows_;
};

}  // namespace glimtex
