#pragma once

#include <QPointer>

#include <array>
#include "gui/StateDialog.h"

class QLabel;
class QScrollBar;

namespace glimtex {
class ColorMixerState;
}

namespace glimtex::gui {

class ColorSwatch;

// The colour mixer "色情報": three bars for red, green and blue with their values,
// the preview, "設定" (Enter) and "キャンセル" (Esc, and the close box).
class ColorMixerView : public StateDialog {
    Q_OBJECT
  public:
    ColorMixerView(ColorMixerState& state, QWidget* parent = nullptr);

  private:
    void Refresh();

    QPointer<ColorMixerState> state_;
    std::array<QScrollBar*, 3> bars_{};
    std::array<QLabel*, 3> labels_{};
    ColorSwatch* preview_ = nullptr;
};

}  // namespace glimtex::gui
