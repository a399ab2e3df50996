#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>

#include "core/FragmentFormat.h"
#include "core/Styles.h"

namespace glimtex {

// Red, green and blue as elements 0, 1 and 2; 0..255 when they come from the windows.
using ColorTriple = std::array<int16_t, 3>;

// The one shared record of the program: the line of text and every decoration choice.
// A record no capture has filled holds what empty inputs give: every style Unknown
// with an empty text, and an empty face.
struct DecorationSettings {
    QString text;
    int16_t size = 0;  // 0: no size set
    Position position = Position::Normal;
    Emphasis emphasis;
    ColorStyle colorStyle = ColorStyle::Unknown;
    std::array<ColorTriple, 2> colors{};  // the first and, for a gradation, the second color
    // The stops of a gradation after the second color, up to kMaxColorStops in all;
    // empty for the gradation of two colors.
    QList<ColorTriple> moreStops;
    GradientSpace gradientSpace = GradientSpace::Rgb;
    SizeShape shape = SizeShape::Unknown;
    Background background = Background::Unknown;
    ColorTriple backgroundColor{};
    QString backgroundPicture;
    LinkStyle link = LinkStyle::None;
    QString linkAddress;
    QString face;  // a face name, or "NULL" for none
    // The kind of HTML a run writes; a standing choice that no reset touches.
    FragmentFormat format = FragmentFormat::Html;

    // The text of a style outside its list, as it was typed, for the confirmation
    // board, which prints it; read only while that style is Unknown.
    QString unknownColorStyle;
    QString unknownShape;
    QString unknownBackground;
};

// A color as one number, R + 256*G + 65536*B; components outside 0..255 are clamped.
uint32_t PackColor(const ColorTriple& rgb);

// Every stop of the gradation, first to last: the two colors, then the further stops.
QList<ColorTriple> ColorStops(const DecorationSettings& s);
// The other way: the first two stops become the two colors, the rest the further
// stops. There must be two at least.
void StoreColorStops(DecorationSettings& s, const QList<ColorTriple>& stops);

}  // namespace glimtex
