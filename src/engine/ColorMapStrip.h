#pragma once

#include <array>

#include "core/DecorationSettings.h"

namespace glimtex {

inline constexpr int kStripRectangles = 101;

// The colours of the gradation strip's rectangles, left to right, for a run from
// c0 to c1. Rectangles 0 and 1 both show c0; rectangle k (k >= 1) shows the colour
// (k - 1)/100 of the way, computed in single precision and rounded halves to even.
// Rectangle 100 lies beyond the strip's right edge.
std::array<ColorTriple, kStripRectangles> GradationStripColors(const ColorTriple& c0,
                                                               const ColorTriple& c1);

// The strip of a gradation of any stops and either space: the two-color run above for
// two stops in RGB; otherwise rectangles 0 and 1 show the first stop and rectangle k
// the color the generator gives a character (k - 1)/100 of the way along a line.
std::array<ColorTriple, kStripRectangles> GradationStripColors(const DecorationSettings& s);

// Left and right edge of rectangle k for a strip of the given inner width, both
// computed in single precision as k*w/100 and (k+1)*w/100.
struct StripSpan {
    float left = 0;
    float right = 0;
};
StripSpan StripRectangleSpan(int k, float innerWidth);

}  // namespace glimtex
