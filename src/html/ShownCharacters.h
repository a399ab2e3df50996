#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"

namespace glimtex {

// The page a fragment is pasted into: black text on white, links in their own blue,
// text of 16 pixels ("medium", HTML font size 3).
inline constexpr ColorTriple kPageTextColor{0, 0, 0};
inline constexpr ColorTriple kPageBackgroundColor{255, 255, 255};
inline constexpr ColorTriple kLinkTextColor{0, 0, 0xEE};
inline constexpr double kMediumPixels = 16.0;

enum class ShownPosition { Baseline, Super, Sub };

// One character as a browser draws it: the computed style a page script reads back.
struct ShownCharacter {
    qsizetype start = 0;  // in code units of the fragment's text
    int length = 1;       // 2 for a surrogate pair
    ColorTriple color = kPageTextColor;
    double pixelSize = kMediumPixels;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    ShownPosition position = ShownPosition::Baseline;
    // The color drawn behind the character, when one is.
    std::optional<ColorTriple> background;
};

// Every character of a fragment, first to last, as a browser shows the fragment's
// format: nested font tags, "<SMALL>" and "<SUP>" one step smaller (five sixths),
// a background only where the text is inside the table's cell.
std::vector<ShownCharacter> ShowAsBrowser(const FragmentModel& fragment);

// What a fragment leaves open for the text after it: in the old bytes, one "</Font>"
// closes only the innermost of the font tags, and a browser carries the others into
// every paragraph that follows (the style tags, the link and the table are closed).
struct LeftOpen {
    std::optional<ColorTriple> color;  // as browsers read it
    std::optional<double> pixelSize;
    std::optional<QString> face;
    bool operator==(const LeftOpen&) const = default;
};
LeftOpen DecorationLeftOpen(const FragmentModel& fragment);

// True when the fragment leaves any font tag open: only the old bytes can.
bool DecorationLeaks(const FragmentModel& fragment);

// The color a browser reads from a color text that HtmlGenerator::HexColor made: six digits
// as they are; the longer texts of components outside 0..255 by the rules of legacy
// color values (three equal parts, common leading zeros dropped, two digits each).
ColorTriple ColorAsBrowsersRead(const ColorTriple& written);

// The pixel size of "<Font Size=N>": a number with a minus sign is relative to 3,
// any other is the size itself; both are clamped into 1..7 and looked up in the
// browsers' table 10, 13, 16, 18, 24, 32, 48.
double FontSizePixels(int sizeAttribute);

// "smaller", what "<SMALL>", "<SUP>" and "<SUB>" do to the size around them: five sixths.
inline double SmallerPixels(double pixels) { return pixels / 1.2; }

}  // namespace glimtex
