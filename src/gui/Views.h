#pragma once

#include <QObject>
#include <QPointer>
#include <map>

#include "app/OncePerTurn.h"
#include "app/WindowKind.h"
#include "gui/BoardView.h"
#include "gui/ColorMixerView.h"
#include "gui/ColorPaletteView.h"
#include "gui/GradientDetailsView.h"
#include "gui/MacroPickerView.h"
#include "gui/MainWindowView.h"
#include "gui/OutputView.h"
#include "gui/PreviewView.h"

namespace glimtex {
class Program;
}

namespace glimtex::gui {

// The windows on screen: each window state of the program gets its view when it
// is shown and loses it when it is closed. Views stand on their own (no parent),
// so closing one never takes another with it.
class Views : public QObject {
    Q_OBJECT
  public:
    explicit Views(Program& program);
    ~Views() override;

    // Shows the main window (created with the program's main-window state, loading
    // that first if nothing touched it yet). It opens where it was left last time, or
    // centred where the window it takes the place of (the title window) stands, or on
    // the primary screen.
    MainWindowView& ShowMainWindow(const QWidget* replacing = nullptr);

    MainWindowView* MainWindow() const { return main_; }
    BoardView* Board() const { return board_; }
    OutputView* Output() const { return output_; }
    ColorMixerView* ColorMixer() const { return mixer_; }
    ColorPaletteView* ColorPalette() const { return palette_; }
    MacroPickerView* MacroPicker() const { return picker_; }
    PreviewView* Preview() const { return preview_; }
    GradientDetailsView* GradientDetails() const { return details_; }

  signals:
    // A window went away and no window of the program is left on screen: the
    // program is over. Closing by Esc, "キャンセル", "完了" or "設定", answering a
    // message box, or recreating a window hides it without the close event that
    // ends a program by itself, so every hidden window is looked at.
    void lastWindowGone();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the view of a window state, creating it over the state when it has none.
    template <typename View, typename Make>
    void Show(QPointer<View>& view, Make make);
    template <typename View>
    void Close(QPointer<View>& view);
    void ShowWindow(WindowKind kind);
    void CloseWindow(WindowKind kind);
    void ShowBoard();
    void ShowBoardNow();
    void PlaceColorTools();
    void PlaceGradientDetails();
    void MainWindowClosing();
    void PlaceMainWindow(const QWidget* replacing);
    void RememberMainWindowPlace();
    void ScheduleWindowCheck();
    void CheckForWindowsLeft();

    Program& program_;
    QPointer<MainWindowView> main_;
    QPointer<BoardView> board_;
    QPointer<OutputView> output_;
    QPointer<ColorMixerView> mixer_;
    QPointer<ColorPaletteView> palette_;
    QPointer<MacroPickerView> picker_;
    QPointer<PreviewView> preview_;
    QPointer<GradientDetailsView> details_;
    // For each open window, the window that had the keyboard when it was opened.
    std::map<WindowKind, QPointer<QWidget>> openers_;
    OncePerTurn boardTurn_;
    OncePerTurn windowCheck_;
};

// Brings a window up: shown, raised and given the focus.
void BringToFront(QWidget& window);

}  // namespace glimtex::gui
