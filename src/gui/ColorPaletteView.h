#pragma once

#include <QPointer>

#include <array>
#include "app/ColorPaletteState.h"
#include "gui/StateDialog.h"

namespace glimtex {
class Program;
}  // namespace glimtex

namespace glimtex::gui {

class ColorSwatch;

// The colour sample palette "色見本": 35 swatches in 7 columns of 5; a click, or
// Enter or Space on the swatch with the focus, loads the colour into the mixer. The
// arrow keys move the focus from swatch to swatch as they stand. Its close box and
// Esc close it alone.
class ColorPaletteView : public StateDialog {
    Q_OBJECT
  public:
    ColorPaletteView(Program& program, ColorPaletteState& state, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Program& program_;
    QPointer<ColorPaletteState> state_;
    std::array<ColorSwatch*, ColorPaletteState::kRows> swatches_{};
};

}  // namespace glimtex::gui
