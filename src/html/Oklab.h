#pragma once

#include <array>
#include <cstdint>

#include "core/DecorationSettings.h"

namespace glimtex {

// A color in OKLab: lightness L and the two opponent axes a and b.
using OklabColor = std::array<double, 3>;

// An sRGB color of 0..255 components (clamped first) in OKLab.
OklabColor ToOklab(const ColorTriple& rgb);

// The sRGB color nearest to an OKLab color, each component rounded to the nearest of
// 0..255; a color outside what sRGB can show is clamped component by component.
ColorTriple FromOklab(const OklabColor& lab);

}  // namespace glimtex
