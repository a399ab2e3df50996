// The three colour slots of the main window: storing a colour with its swatch and
// strip, and the swatch clicks that open the colour mixer.
#include "app/ColorMixer.h"
#include "app/MainWindowState.h"
#include "app/Program.h"
#include "core/StyleTexts.h"

namespace glimtex {

void MainWindowState::StoreColor(int slot, const ColorTriple& rgb) {
    ChangeBatch batch(*this);
    if (slot == 0 || slot == 1) {
        s_.ColorData[static_cast<size_t>(slot)] = rgb;
        c_.ColorBox[static_cast<size_t>(slot)].color = PackColor(rgb);
    } else if (slot == kBackColorSlot) {
        s_.BackColorData = rgb;
        c_.BackColorBox.color = PackColor(rgb);
    }
    RepaintColorMap();
}

void MainWindowState::RepaintColorMap() {
    ChangeBatch batch(*this);
    if (c_.ColorStyleCombo.text == StyleText::kSingleColour) {
        c_.ColorMap.fill(c_.ColorBox[0].color);
    } else {
        ColorMapEdit();
    }
}

void MainWindowState::ColorBox_Click(int index) {
    if (index == 0 || (index == 1 && c_.ColorBox[1].visible)) {
        OpenColorMixer(static_cast<int16_t>(index), s_.ColorData[static_cast<size_t>(index)]);
    }
}

void MainWindowState::BackColorBox_Click() { OpenColorMixer(kBackColorSlot, s_.BackColorData); }

void MainWindowState::OpenColorMixer(int16_t slot, const ColorTriple& rgb) {
    // Setting the bars loads the mixer first when it is closed; its load opens the
    // palette. An open mixer only takes the new values and target.
    ColorMixerState& mixer = program_.LoadColorMixer();
    mixer.SetScrollValues(rgb);
    s_.ColorEditTarget = slot;
    program_.ShowColorMixer();
}

void MainWindowState::Form_Unload() {
    program_.CloseColorPalette();
    program_.CloseColorMixer();
}

}  // namespace glimtex
