#pragma once

namespace glimtex {

// How the characters are colored.
enum class ColorStyle {
    Single,     // one color tag for the whole line
    Gradation,  // a color tag before every character, from the first color to the second
    Unknown,    // a text outside the list: no color tag at all
};

// Where a gradation mixes its colours: straight between the red, green and blue
// numbers, or in OKLab, where equal steps look equal to the eye.
enum class GradientSpace { Rgb, Oklab };

// A gradation has this many colour stops at most, and two at least.
inline constexpr int kMaxColorStops = 16;

// The character-size pattern along the line.
enum class SizeShape {
    Standard,   // one size tag before the first character
    FallRight,  // the text shrinks
    FallLeft,   // the text grows
    Lens,       // small in the middle
    Scrap,      // every second character smaller
    Unknown,    // a text outside the list: no size tags, and no run without a size
};

// What is drawn behind the line.
enum class Background {
    None,     // no table
    Color,    // "<TABLE BGCOLOR=...>"
    Picture,  // "<TABLE BACKGROUND=...>"
    Unknown,  // a text outside the list: no table opens ("</TABLE>" in the old bytes)
};

// Whether the line is a link; a text outside the list is no link.
enum class LinkStyle { None, Address };

// Where the line sits, in the order of the option buttons.
enum class Position { Normal, Superscript, Subscript };

// The style tags around the line.
struct Emphasis {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThrough = false;
    bool operator==(const Emphasis&) const = default;
};

}  // namespace glimtex
