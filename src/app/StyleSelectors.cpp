// The style selectors of the settings panels: each reads its combo's text and shows
// the controls of that style. A text outside the list falls back to the first
// entry and the selector runs again.
#include "app/ColorMapStrip.h"
#include "app/MainWindowState.h"
#include "app/ShapePreview.h"
#include "core/StyleTexts.h"

namespace glimtex {

void MainWindowState::SelectBackStyle() {
    ChangeBatch batch(*this);
    c_.BackPictureVisible = false;
    c_.BackColorBox.visible = false;
    const QString& style = c_.BackStyleCombo.text;
    if (style == StyleText::kNone) return;
    if (style == StyleText::kSingleColour) {
        c_.BackColorBox.visible = true;
    } else if (style == StyleText::kPicture) {
        c_.BackPictureVisible = true;
    } else {
        c_.BackStyleCombo.text = StyleText::kNone;
        SelectBackStyle();
    }
}

void MainWindowState::SelectLinkStyle() {
    ChangeBatch batch(*this);
    c_.LinkDataVisible = false;
    const QString& style = c_.LinkStyleCombo.text;
    if (style == StyleText::kNone) return;
    if (style == StyleText::kLinkSet) {
        c_.LinkDataVisible = true;
    } else {
        c_.LinkStyleCombo.text = StyleText::kNone;
        SelectLinkStyle();
    }
}

void MainWindowState::ActiveColorStyle() {
    ChangeBatch batch(*this);
    c_.ColorBox[1].visible = false;
    c_.ChangeButtonVisible = false;
    const QString& style = c_.ColorStyleCombo.text;
    if (style == StyleText::kSingleColour) {
        // One colour: the second swatch shows the button face and the strip is
        // painted over in the first swatch's colour, erasing any gradation.
        c_.ColorBox[1].color = std::nullopt;
        PaintColorBoxFromSettings(0);
        c_.ColorMap.fill(c_.ColorBox[0].color);
    } else if (style == StyleText::kGradation) {
        c_.ColorBox[1].visible = true;
        c_.ChangeButtonVisible = true;
        PaintColorBoxFromSettings(1);
        ColorMapEdit();
    } else {
        c_.ColorStyleCombo.text = StyleText::kSingleColour;
        ActiveColorStyle();
    }
}

void MainWindowState::ColorMapEdit() {
    ChangeBatch batch(*this);
    const auto colors = GradationStripColors(s_.ColorData[0], s_.ColorData[1]);
    for (size_t k = 0; k < colors.size(); ++k) c_.ColorMap[k] = PackColor(colors[k]);
}

void MainWindowState::SelectMojiShape() {
    ChangeBatch batch(*this);
    c_.TestLabel.fill(PreviewLetter{28, 1200});
    if (const auto letters = ShapePreviewLetters(c_.MojiShapeCombo.text)) {
        c_.TestLabel = *letters;
    } else {
        c_.MojiShapeCombo.text = StyleText::kStandard;
        SelectMojiShape();
    }
}

void MainWindowState::ChangeButton_Click() {
    ChangeBatch batch(*this);
    std::swap(s_.ColorData[0], s_.ColorData[1]);
    PaintColorBoxFromSettings(0);
    PaintColorBoxFromSettings(1);
    ColorMapEdit();
}

void MainWindowState::OptionGroup_Click(int index) {
    if (index < 0 || index >= static_cast<int>(c_.OptionGroup.size())) return;
    ChangeBatch batch(*this);
    s_.MojiStyle = static_cast<int16_t>(index);
    c_.OptionGroup.fill(false);
    c_.OptionGroup[static_cast<size_t>(index)] = true;
}

}  // namespace glimtex
