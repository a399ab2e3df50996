#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "app/NoticeBudget.h"
#include "core/DecorationSettings.h"
#include "core/Feedback.h"
#include "core/ProgramFolder.h"
#include "html/FragmentModel.h"

namespace glimtex {

class MainWindowState;
class ConfirmationBoardState;
class OutputWindowState;
class ColorMixerState;
class ColorPaletteState;
class MacroPickerState;
class PreviewState;

// The running program: the one settings record, the program folder, the ways to
// reach the user, and the windows, each of which exists at most once and is
// created (its load step run) the first time something touches it.
class Program : public QObject {
    Q_OBJECT
  public:
    Program(const QString& programFolder, Feedback& feedback, Clipboard& clipboard);
    ~Program() override;

    DecorationSettings& Settings() { return settings_; }
    const ProgramFolder& Folder() const { return folder_; }
    // The way to the user, with its budget of notices for each macro run.
    NoticeBudget& UserFeedback() { return feedback_; }
    Clipboard& SystemClipboard() { return clipboard_; }

    // The main window, loaded on first touch (hidden until the view shows it).
    MainWindowState& MainWindow();
    bool MainWindowLoaded() const { return mainWindow_ != nullptr; }

    // The confirmation board: shown loads it and prints its summary once; showing it
    // while open only brings it to the front. Null when closed.
    ConfirmationBoardState& ShowBoard();
    ConfirmationBoardState* Board() { return board_.get(); }
    void CloseBoard();

    // The HTML output window. Null when closed.
    OutputWindowState& ShowOutput();
    OutputWindowState* Output() { return output_.get(); }
    void CloseOutput();

    // The colour mixer "色情報". Touching it loads it (its load opens the palette);
    // it is shown only by ShowColorMixer. Closing it closes the palette too. Null
    // when closed.
    ColorMixerState& LoadColorMixer();
    ColorMixerState& ShowColorMixer();
    ColorMixerState* ColorMixer() { return colorMixer_.get(); }
    void CloseColorMixer();

    // The colour sample palette "色見本", opened by the mixer's load. Null when closed.
    ColorPaletteState& ShowColorPalette();
    ColorPaletteState* ColorPalette() { return colorPalette_.get(); }
    void CloseColorPalette();

    // The macro picker "マクロ入力": showing it while closed loads it, reading the macro
    // list afresh; showing it while open only brings it to the front. Null when closed.
    MacroPickerState& ShowMacroPicker();
    MacroPickerState* MacroPicker() { return macroPicker_.get(); }
    void CloseMacroPicker();

    // The live preview "プレビュー": showing it while closed creates it; showing it while
    // open only brings it to the front. Null when closed.
    PreviewState& ShowPreview();
    PreviewState* Preview() { return preview_.get(); }
    void ClosePreview();

    // The fragments collected in HTMLString, as models, in run order: a run that
    // docks into an empty HTMLString starts the list again.
    const std::vector<FragmentModel>& DockedFragments() const { return docked_; }
    void RecordDocked(FragmentModel model, bool freshCollection);

    // An output format given on the command line holds for the whole run: the
    // statement Set.OutputFormat then leaves it as it is.
    void PinOutputFormat(FragmentFormat format);
    bool OutputFormatPinned() const { return outputFormatPinned_; }

  signals:
    void boardShown();
    void boardClosed();
    void outputShown();
    void outputClosed();
    void colorMixerShown();
    void colorMixerClosed();
    void colorPaletteShown();
    void colorPaletteClosed();
    void macroPickerShown();
    void macroPickerClosed();
    void previewShown();
    void previewClosed();

  private:
    // A closed window may still be running the handler that closed it, so it is
    // deleted later, and with the program at the latest.
    void Retire(QObject* window);
    template <typename Window>
    Window& Touch(std::unique_ptr<Window>& window);
    template <typename Window>
    bool Unload(std::unique_ptr<Window>& window);

    DecorationSettings settings_;
    ProgramFolder folder_;
    NoticeBudget feedback_;
    Clipboard& clipboard_;
    std::unique_ptr<MainWindowState> mainWindow_;
    std::unique_ptr<ConfirmationBoardState> board_;
    std::unique_ptr<OutputWindowState> output_;
    std::unique_ptr<ColorMixerState> colorMixer_;
    std::unique_ptr<ColorPaletteState> colorPalette_;
    std::unique_ptr<MacroPickerState> macroPicker_;
    std::unique_ptr<PreviewState> preview_;
    std::vector<FragmentModel> docked_;
    bool outputFormatPinned_ = false;
};

}  // namespace glimtex
