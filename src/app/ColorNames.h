#pragma once

#include <QString>

#include "core/DecorationSettings.h"

namespace glimtex {

// A colour as a screen reader says it: its common Japanese name, where it has one,
// and its red, green and blue, "赤 (255, 0, 0)"; else "色 (212, 240, 255)".
QString SpokenColor(const ColorTriple& rgb);

}  // namespace glimtex
