#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/Styles.h"
#include "engine/FormControls.h"

namespace glimtex {

using PreviewLetters = std::array<PreviewLetter, 7>;

// The seven preview letters "GLIMTEX" laid out for a character-size pattern; nothing
// for a shape outside the list.
std::optional<PreviewLetters> ShapePreviewLetters(SizeShape shape);

}  // namespace glimtex
