#pragma once

#include <QObject>
#include <array>

#include "core/FragmentFormat.h"
#include "engine/DecorationForm.h"
#include "engine/FormControls.h"

namespace glimtex {

class Program;

// The main window "Glimtex" over the decoration form: which panel shows, "常に手前に
// する", the swatches that open the colour mixer, the two run commands and the
// output format menu. The inputs themselves belong to the form.
class MainWindowState : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPanelCount = 6;

    explicit MainWindowState(Program& program);

    DecorationForm& Form() { return form_; }
    const FormControls& Controls() const { return form_.Controls(); }
    const std::array<bool, kPanelCount>& PanelsVisible() const { return panels_; }
    // The index of the one visible panel, or -1 when not exactly one is visible.
    int VisiblePanel() const;
    // The check mark of "常に手前にする".
    bool KeepsOnTop() const { return keepOnTop_; }

    // Shows the first panel alone; run once, when the window is first touched.
    void Load();

    void HidePanels();
    // The buttons along the top: each shows its panel alone.
    void ShowPanel(int index);
    void ToggleKeepOnTop();
    // The radio group "出力形式" of "設定(&S)".
    void ChooseOutputFormat(FragmentFormat format);
    FragmentFormat OutputFormat() const;

    // The swatch clicks open the colour mixer on the swatch's colour: the first
    // colour, the second only while it is visible (colour style "グラデーション"), and
    // the background colour. An open mixer is retargeted without loading it again.
    void EditColor(int index);
    void EditBackgroundColor();
    // "…" beside the swatches opens "グラデーションの詳細"; like the second swatch, only
    // while the colour style is "グラデーション".
    bool CanEditGradientDetails() const { return Controls().ColorBox[1].visible; }
    void EditGradientDetails();

    // The window closes: the colour palette, the colour mixer and "グラデーションの詳細"
    // close. The board, the output window and the macro picker stay open.
    void Unload();

    // "ソースの作成" and "ドッキング": capture, then the board asks for confirmation.
    void CreateSource();
    void Dock();

  signals:
    // The form or the window changed.
    void changed();

  private:
    void OpenColorMixer(int slot);

    Program& program_;
    DecorationForm& form_;
    std::array<bool, kPanelCount> panels_{true, true, true, true, true, true};
    bool keepOnTop_ = false;
};

}  // namespace glimtex
