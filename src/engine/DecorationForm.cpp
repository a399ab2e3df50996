#include "engine/DecorationForm.h"

#include <cmath>
#include <limits>

#include "core/StyleTexts.h"
#include "engine/ColorMapStrip.h"
#include "engine/ShapePreview.h"

namespace glimtex {

const QString kSizeTextMessage =
    QStringLiteral("文字サイズには -32768 から 32767 までの数値を入力してください");

std::optional<int16_t> ConvertSizeText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);  // C notation, no group separators
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // halves go to the even neighbour
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

DecorationForm::ChangeBatch::~ChangeBatch() {
    if (--form_.batchDepth_ == 0) emit form_.changed();
}

DecorationForm::DecorationForm(DecorationSettings& settings, Feedback& feedback)
    : s_(settings), feedback_(feedback) {}

void DecorationForm::Load() {
    ChangeBatch batch(*this);
    for (int i = 0; i <= 7; ++i) c_.MojiSizeCombo.items.append(QString::number(i));
    c_.FontSelectCombo.items.append(StyleText::kNoFace);
    c_.ColorStyleCombo.items << StyleText::kSingleColour << StyleText::kGradation;
    ApplyColorStyle();
    c_.BackStyleCombo.items << StyleText::kNone << StyleText::kSingleColour << StyleText::kPicture;
    ApplyBackgroundStyle();
    s_.ColorData[0] = {0, 0, 0};
    s_.ColorData[1] = {0, 0, 0};
    s_.BackColorData = {0, 0, 0};
    c_.MojiShapeCombo.items << StyleText::kStandard << StyleText::kFallRight << StyleText::kFallLeft
                            << StyleText::kLens << StyleText::kScrap;
    ApplyShape();
    c_.LinkStyleCombo.items << StyleText::kNone << StyleText::kLinkSet;
    ApplyLinkStyle();
}

// ---- What the user types or picks ----

void DecorationForm::SetText(const QString& text) {
    ChangeBatch batch(*this);
    c_.EditBox = text;
    s_.MainString = text;
}

void DecorationForm::SetSizeText(const QString& text) {
    ChangeBatch batch(*this);
    c_.MojiSizeCombo.text = text;
}

void DecorationForm::SetFaceText(const QString& text) {
    ChangeBatch batch(*this);
    c_.FontSelectCombo.text = text;
}

void DecorationForm::AddFace(const QString& face) {
    ChangeBatch batch(*this);
    c_.FontSelectCombo.items.append(face);
}

void DecorationForm::SetColorStyleText(const QString& text) {
    ChangeBatch batch(*this);
    c_.ColorStyleCombo.text = text;
}

void DecorationForm::SetShapeText(const QString& text) {
    ChangeBatch batch(*this);
    c_.MojiShapeCombo.text = text;
}

void DecorationForm::SetBackgroundStyleText(const QString& text) {
    ChangeBatch batch(*this);
    c_.BackStyleCombo.text = text;
}

void DecorationForm::SetLinkStyleText(const QString& text) {
    ChangeBatch batch(*this);
    c_.LinkStyleCombo.text = text;
}

void DecorationForm::SetBackgroundPictureText(const QString& text) {
    ChangeBatch batch(*this);
    c_.BackPictureEdit = text;
}

void DecorationForm::SetLinkAddressText(const QString& text) {
    ChangeBatch batch(*this);
    c_.LinkDataEdit = text;
}

void DecorationForm::SetEmphasisChecked(int index, bool checked) {
    if (index < 0 || index >= static_cast<int>(c_.SpGroup_Check.size())) return;
    ChangeBatch batch(*this);
    c_.SpGroup_Check[static_cast<size_t>(index)] = checked;
}

void DecorationForm::ChoosePosition(int index) {
    if (index < 0 || index >= static_cast<int>(c_.OptionGroup.size())) return;
    ChangeBatch batch(*this);
    s_.MojiStyle = static_cast<int16_t>(index);
    c_.OptionGroup.fill(false);
    c_.OptionGroup[static_cast<size_t>(index)] = true;
}

void DecorationForm::PaintSwatch(int index, PaintedColor color) {
    if (index < 0 || index >= static_cast<int>(c_.ColorBox.size())) return;
    ChangeBatch batch(*this);
    c_.ColorBox[static_cast<size_t>(index)].color = color;
}

void DecorationForm::PaintBackgroundSwatch(PaintedColor color) {
    ChangeBatch batch(*this);
    c_.BackColorBox.color = color;
}

void DecorationForm::PaintSwatchFromSettings(int index) {
    c_.ColorBox[static_cast<size_t>(index)].color =
        PackColor(s_.ColorData[static_cast<size_t>(index)]);
}

// ---- Styles: each shows the inputs it uses ----

void DecorationForm::ApplyBackgroundStyle() {
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
        ApplyBackgroundStyle();
    }
}

void DecorationForm::ApplyLinkStyle() {
    ChangeBatch batch(*this);
    c_.LinkDataVisible = false;
    const QString& style = c_.LinkStyleCombo.text;
    if (style == StyleText::kNone) return;
    if (style == StyleText::kLinkSet) {
        c_.LinkDataVisible = true;
    } else {
        c_.LinkStyleCombo.text = StyleText::kNone;
        ApplyLinkStyle();
    }
}

void DecorationForm::ApplyColorStyle() {
    ChangeBatch batch(*this);
    c_.ColorBox[1].visible = false;
    c_.ChangeButtonVisible = false;
    const QString& style = c_.ColorStyleCombo.text;
    if (style == StyleText::kSingleColour) {
        // One colour: the second swatch shows the button face and the strip is
        // painted over in the first swatch's colour, erasing any gradation.
        c_.ColorBox[1].color = std::nullopt;
        PaintSwatchFromSettings(0);
        c_.ColorMap.fill(c_.ColorBox[0].color);
    } else if (style == StyleText::kGradation) {
        c_.ColorBox[1].visible = true;
        c_.ChangeButtonVisible = true;
        PaintSwatchFromSettings(1);
        PaintGradationStrip();
    } else {
        c_.ColorStyleCombo.text = StyleText::kSingleColour;
        ApplyColorStyle();
    }
}

void DecorationForm::PaintGradationStrip() {
    ChangeBatch batch(*this);
    const auto colors = GradationStripColors(s_.ColorData[0], s_.ColorData[1]);
    for (size_t k = 0; k < colors.size(); ++k) c_.ColorMap[k] = PackColor(colors[k]);
}

void DecorationForm::ApplyShape() {
    ChangeBatch batch(*this);
    c_.TestLabel.fill(PreviewLetter{28, 1200});
    if (const auto letters = ShapePreviewLetters(c_.MojiShapeCombo.text)) {
        c_.TestLabel = *letters;
    } else {
        c_.MojiShapeCombo.text = StyleText::kStandard;
        ApplyShape();
    }
}

void DecorationForm::SwapColors() {
    ChangeBatch batch(*this);
    std::swap(s_.ColorData[0], s_.ColorData[1]);
    PaintSwatchFromSettings(0);
    PaintSwatchFromSettings(1);
    PaintGradationStrip();
}

// ---- Colours ----

void DecorationForm::StoreColor(int slot, const ColorTriple& rgb) {
    ChangeBatch batch(*this);
    if (slot == 0 || slot == 1) {
        s_.ColorData[static_cast<size_t>(slot)] = rgb;
        c_.ColorBox[static_cast<size_t>(slot)].color = PackColor(rgb);
    } else if (slot == kBackColorSlot) {
        s_.BackColorData = rgb;
        c_.BackColorBox.color = PackColor(rgb);
    }
    RepaintStrip();
}

void DecorationForm::RepaintStrip() {
    ChangeBatch batch(*this);
    if (c_.ColorStyleCombo.text == StyleText::kSingleColour) {
        c_.ColorMap.fill(c_.ColorBox[0].color);
    } else {
        PaintGradationStrip();
    }
}

ColorTriple DecorationForm::SlotColor(int slot) const {
    if (slot == 0 || slot == 1) return s_.ColorData[static_cast<size_t>(slot)];
    return s_.BackColorData;
}

// ---- Capture and reset ----

bool DecorationForm::CaptureInto(DecorationSettings& s) const {
    const auto size = ConvertSizeText(c_.MojiSizeCombo.text);
    if (!size) return false;
    s.MainString = c_.EditBox;
    s.MojiSize = *size;
    for (size_t i = 0; i < s.SpGroup.size(); ++i) s.SpGroup[i] = c_.SpGroup_Check[i] ? 1 : 0;
    s.ColorStyle = c_.ColorStyleCombo.text;
    s.StringShape = c_.MojiShapeCombo.text;
    s.LinkData = c_.LinkDataEdit;
    s.LinkStyle = c_.LinkStyleCombo.text;
    s.FontFace = c_.FontSelectCombo.text;
    s.BackStyle = c_.BackStyleCombo.text;
    s.BackPicture = c_.BackPictureEdit;
    return true;
}

bool DecorationForm::Capture() {
    if (!ConvertSizeText(c_.MojiSizeCombo.text)) return false;
    ChangeBatch batch(*this);
    return CaptureInto(s_);
}

// A size text that is no 16-bit number stops the run with a notice and leaves the
// settings as they were.
bool DecorationForm::CaptureForRun() {
    if (Capture()) return true;
    feedback_.ShowNotice(kNoticeTitle, kSizeTextMessage);
    return false;
}

void DecorationForm::Reset() {
    ChangeBatch batch(*this);
    s_.ColorData[0] = {0, 0, 0};
    s_.ColorData[1] = {0, 0, 0};
    s_.BackColorData = {0, 0, 0};
    c_.ColorStyleCombo.text = StyleText::kSingleColour;
    ApplyColorStyle();
    c_.BackColorBox.color = PackColor(s_.BackColorData);
    s_.SpGroup.fill(0);
    c_.SpGroup_Check.fill(false);
    SetText(QString());
    c_.MojiSizeCombo.text = QStringLiteral("0");
    ChoosePosition(0);
    c_.MojiShapeCombo.text = StyleText::kStandard;
    ApplyShape();
    c_.LinkDataEdit.clear();
    s_.LinkData.clear();
    c_.LinkStyleCombo.text = StyleText::kNone;
    ApplyLinkStyle();
    c_.FontSelectCombo.text = StyleText::kNoFace;
    c_.BackStyleCombo.text = StyleText::kNone;
    ApplyBackgroundStyle();
    c_.BackPictureEdit.clear();
    Capture();
}

}  // namespace glimtex
