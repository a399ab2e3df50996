#pragma once

#include <QPointer>

#include "gui/StateDialog.h"

namespace glimtex {
class ColorPaletteState;
class Program;
}  // namespace glimtex

namespace glimtex::gui {

// The colour sample palette "色見本": 35 swatches in 7 columns of 5; a click loads
// the colour into the mixer. Its close box closes it alone.
class ColorPaletteView : public StateDialog {
    Q_OBJECT
  public:
    ColorPaletteView(Program& program, ColorPaletteState& state, QWidget* parent = nullptr);

  private:
    Program& program_;
    QPointer<ColorPaletteState> state_;
};

}  // namespace glimtex::gui
