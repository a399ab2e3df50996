#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "core/StyleNames.h"

namespace glimtex {

// The colour slots that the colour mixer edits: 0 and 1 the text colours ColorData(0)
// and ColorData(1), 2 the background colour BackColorData.
inline constexpr int16_t kBackColorSlot = 2;

// An editable combo box: the text it shows and its list.
struct ComboBoxState {
    QString text;
    QStringList items;
};

// A colour swatch or strip rectangle: a packed colour (0x00BBGGRR), or nothing for
// the system button-face colour.
using PaintedColor = std::optional<uint32_t>;

struct SwatchState {
    bool visible = true;
    PaintedColor color = 0;  // black at start
};

// One preview letter of the shape panel: font size in points, top in twips.
struct PreviewLetter {
    int fontSize = 28;
    int top = 1200;
    bool operator==(const PreviewLetter&) const = default;
};

// Every input of the decoration form as plain data: what the main window's
// controls show, and what the macro statements fill in. The widgets draw this and
// nothing else; the members carry the names of the controls they stand for.
struct FormControls {
    QString EditBox = QStringLiteral("Test");
    ComboBoxState MojiSizeCombo{QStringLiteral("0"), {}};
    ComboBoxState FontSelectCombo{StyleNames::kNoFace, {}};
    std::array<bool, 3> OptionGroup{true, false, false};
    std::array<bool, 4> SpGroup_Check{};
    ComboBoxState ColorStyleCombo{StyleNames::Of(ColorStyle::Single), {}};
    std::array<SwatchState, 2> ColorBox{};
    bool ChangeButtonVisible = true;
    // The 101 rectangles of the gradation strip, left to right; rectangle 100 lies
    // beyond the right edge. Each is a colour, or the button face when erased.
    std::array<PaintedColor, 101> ColorMap{};
    ComboBoxState MojiShapeCombo{StyleNames::Of(SizeShape::Standard), {}};
    std::array<PreviewLetter, 7> TestLabel{};
    ComboBoxState BackStyleCombo{StyleNames::Of(Background::None), {}};
    SwatchState BackColorBox{};
    bool BackPictureVisible = true;  // BackPicture_Label and BackPictureEdit
    QString BackPictureEdit;
    ComboBoxState LinkStyleCombo{StyleNames::Of(LinkStyle::None), {}};
    bool LinkDataVisible = true;  // LinkData_Label and LinkDataEdit
    QString LinkDataEdit;
};

}  // namespace glimtex
