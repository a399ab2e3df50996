#include "engine/DecorationForm.h"

#include <cmath>
#include <limits>

#include "core/StyleNames.h"
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
    c_.FontSelectCombo.items.append(StyleNames::kNoFace);
    c_.ColorStyleCombo.items << StyleNames::ColorStyleList();
    ApplyColorStyle();
    c_.BackStyleCombo.items << StyleNames::BackgroundList();
    ApplyBackgroundStyle();
    s_.colors[0] = {0, 0, 0};
    s_.colors[1] = {0, 0, 0};
    s_.backgroundColor = {0, 0, 0};
    c_.MojiShapeCombo.items << StyleNames::ShapeList();
    ApplyShape();
    c_.LinkStyleCombo.items << StyleNames::LinkList();
    ApplyLinkStyle();
}

// ---- What the user types or picks ----

void DecorationForm::SetText(const QString& text) {
    ChangeBatch batch(*this);
    c_.EditBox = text;
    s_.text = text;
}

void DecorationForm::Put(QString& input, const QString& text) {
    ChangeBatch batch(*this);
    input = text;
}

void DecorationForm::SetSizeText(const QString& text) { Put(c_.MojiSizeCombo.text, text); }

void DecorationForm::SetFaceText(const QString& text) { Put(c_.FontSelectCombo.text, text); }

void DecorationForm::AddFace(const QString& face) {
    ChangeBatch batch(*this);
    c_.FontSelectCombo.items.append(face);
}

void DecorationForm::SetColorStyleText(const QString& text) { Put(c_.ColorStyleCombo.text, text); }

void DecorationForm::SetShapeText(const QString& text) { Put(c_.MojiShapeCombo.text, text); }

void DecorationForm::SetBackgroundStyleText(const QString& text) {
    Put(c_.BackStyleCombo.text, text);
}

void DecorationForm::SetLinkStyleText(const QString& text) { Put(c_.LinkStyleCombo.text, text); }

void DecorationForm::SetBackgroundPictureText(const QString& text) {
    Put(c_.BackPictureEdit, text);
}

void DecorationForm::SetLinkAddressText(const QString& text) { Put(c_.LinkDataEdit, text); }

void DecorationForm::SetEmphasisChecked(int index, bool checked) {
    if (index < 0 || index >= static_cast<int>(c_.SpGroup_Check.size())) return;
    ChangeBatch batch(*this);
    c_.SpGroup_Check[static_cast<size_t>(index)] = checked;
}

void DecorationForm::ChoosePosition(int index) {
    if (index < 0 || index >= static_cast<int>(c_.OptionGroup.size())) return;
    ChangeBatch batch(*this);
    s_.position = static_cast<Position>(index);
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
        PackColor(s_.colors[static_cast<size_t>(index)]);
}

// ---- Styles: each shows the inputs it uses ----

void DecorationForm::ApplyBackgroundStyle() {
    ChangeBatch batch(*this);
    c_.BackPictureVisible = false;
    c_.BackColorBox.visible = false;
    switch (StyleNames::BackgroundNamed(c_.BackStyleCombo.text)) {
        case Background::None:
            return;
        case Background::Color:
            c_.BackColorBox.visible = true;
            return;
        case Background::Picture:
            c_.BackPictureVisible = true;
            return;
        case Background::Unknown:
            c_.BackStyleCombo.text = StyleNames::Of(Background::None);
            ApplyBackgroundStyle();
            return;
    }
}

void DecorationForm::ApplyLinkStyle() {
    ChangeBatch batch(*this);
    c_.LinkDataVisible = false;
    const QString& text = c_.LinkStyleCombo.text;
    if (text == StyleNames::Of(LinkStyle::None)) return;
    if (text == StyleNames::Of(LinkStyle::Address)) {
        c_.LinkDataVisible = true;
    } else {
        // A text outside the list, which the settings would read as no link.
        c_.LinkStyleCombo.text = StyleNames::Of(LinkStyle::None);
        ApplyLinkStyle();
    }
}

void DecorationForm::ApplyColorStyle() {
    ChangeBatch batch(*this);
    c_.ColorBox[1].visible = false;
    c_.ChangeButtonVisible = false;
    const ColorStyle style = StyleNames::ColorStyleNamed(c_.ColorStyleCombo.text);
    if (style == ColorStyle::Single) {
        // One colour: the second swatch shows the button face and the strip is
        // painted over in the first swatch's colour, erasing any gradation.
        c_.ColorBox[1].color = std::nullopt;
        PaintSwatchFromSettings(0);
        c_.ColorMap.fill(c_.ColorBox[0].color);
    } else if (style == ColorStyle::Gradation) {
        c_.ColorBox[1].visible = true;
        c_.ChangeButtonVisible = true;
        PaintSwatchFromSettings(1);
        PaintGradationStrip();
    } else {
        c_.ColorStyleCombo.text = StyleNames::Of(ColorStyle::Single);
        ApplyColorStyle();
    }
}

void DecorationForm::PaintGradationStrip() {
    ChangeBatch batch(*this);
    const auto colors = GradationStripColors(s_);
    for (size_t k = 0; k < colors.size(); ++k) c_.ColorMap[k] = PackColor(colors[k]);
}

void DecorationForm::ApplyShape() {
    ChangeBatch batch(*this);
    c_.TestLabel.fill(PreviewLetter{28, 1200});
    if (const auto letters = ShapePreviewLetters(StyleNames::ShapeNamed(c_.MojiShapeCombo.text))) {
        c_.TestLabel = *letters;
    } else {
        c_.MojiShapeCombo.text = StyleNames::Of(SizeShape::Standard);
        ApplyShape();
    }
}

void DecorationForm::SwapColors() {
    ChangeBatch batch(*this);
    std::swap(s_.colors[0], s_.colors[1]);
    PaintSwatchFromSettings(0);
    PaintSwatchFromSettings(1);
    PaintGradationStrip();
}

// ---- Colours ----

void DecorationForm::StoreColor(int slot, const ColorTriple& rgb) {
    ChangeBatch batch(*this);
    if (slot == 0 || slot == 1) {
        s_.colors[static_cast<size_t>(slot)] = rgb;
        c_.ColorBox[static_cast<size_t>(slot)].color = PackColor(rgb);
    } else if (slot == kBackColorSlot) {
        s_.backgroundColor = rgb;
        c_.BackColorBox.color = PackColor(rgb);
    }
    RepaintStrip();
}

void DecorationForm::RepaintStrip() {
    ChangeBatch batch(*this);
    if (StyleNames::ColorStyleNamed(c_.ColorStyleCombo.text) == ColorStyle::Single) {
        c_.ColorMap.fill(c_.ColorBox[0].color);
    } else {
        PaintGradationStrip();
    }
}

bool DecorationForm::AddColorStop(const ColorTriple& rgb) {
    if (s_.moreStops.size() + 2 >= kMaxColorStops) return false;
    ChangeBatch batch(*this);
    s_.moreStops.append(rgb);
    RepaintStrip();
    return true;
}

void DecorationForm::ClearColorStops() {
    ChangeBatch batch(*this);
    s_.moreStops.clear();
    RepaintStrip();
}

bool DecorationForm::SetColorStops(const QList<ColorTriple>& stops) {
    if (stops.size() < 2 || stops.size() > kMaxColorStops) return false;
    ChangeBatch batch(*this);
    StoreColorStops(s_, stops);
    PaintSwatchFromSettings(0);
    if (c_.ColorBox[1].visible) PaintSwatchFromSettings(1);
    RepaintStrip();
    return true;
}

void DecorationForm::SetGradientSpace(GradientSpace space) {
    ChangeBatch batch(*this);
    s_.gradientSpace = space;
    RepaintStrip();
}

ColorTriple DecorationForm::SlotColor(int slot) const {
    if (slot == 0 || slot == 1) return s_.colors[static_cast<size_t>(slot)];
    return s_.backgroundColor;
}

// ---- Capture and reset ----

bool DecorationForm::CaptureInto(DecorationSettings& s) const {
    const auto size = ConvertSizeText(c_.MojiSizeCombo.text);
    if (!size) return false;
    s.text = c_.EditBox;
    s.size = *size;
    s.emphasis = Emphasis{c_.SpGroup_Check[0], c_.SpGroup_Check[1], c_.SpGroup_Check[2],
                          c_.SpGroup_Check[3]};
    // The combos hold texts; the settings hold the styles they name.
    StyleNames::StoreColorStyle(s, c_.ColorStyleCombo.text);
    StyleNames::StoreShape(s, c_.MojiShapeCombo.text);
    s.linkAddress = c_.LinkDataEdit;
    s.link = StyleNames::LinkNamed(c_.LinkStyleCombo.text);
    s.face = c_.FontSelectCombo.text;
    StyleNames::StoreBackground(s, c_.BackStyleCombo.text);
    s.backgroundPicture = c_.BackPictureEdit;
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
    s_.colors[0] = {0, 0, 0};
    s_.colors[1] = {0, 0, 0};
    s_.moreStops.clear();
    s_.gradientSpace = GradientSpace::Rgb;
    s_.backgroundColor = {0, 0, 0};
    c_.ColorStyleCombo.text = StyleNames::Of(ColorStyle::Single);
    ApplyColorStyle();
    c_.BackColorBox.color = PackColor(s_.backgroundColor);
    s_.emphasis = Emphasis{};
    c_.SpGroup_Check.fill(false);
    SetText(QString());
    c_.MojiSizeCombo.text = QStringLiteral("0");
    ChoosePosition(0);
    c_.MojiShapeCombo.text = StyleNames::Of(SizeShape::Standard);
    ApplyShape();
    c_.LinkDataEdit.clear();
    s_.linkAddress.clear();
    c_.LinkStyleCombo.text = StyleNames::Of(LinkStyle::None);
    ApplyLinkStyle();
    c_.FontSelectCombo.text = StyleNames::kNoFace;
    c_.BackStyleCombo.text = StyleNames::Of(Background::None);
    ApplyBackgroundStyle();
    c_.BackPictureEdit.clear();
    Capture();
}

}  // namespace glimtex
