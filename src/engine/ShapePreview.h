#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/FormControls.h"

namespace glimtex {

using PreviewLetters = std::array<PreviewLetter, 7>;

// The seven preview letters "GLIMTEX" laid out for a character-size pattern
// ("標準", "右下がり", "左下がり", "レンズ", "スクラップ"); nothing for any other text.
std::optional<PreviewLetters> ShapePreviewLetters(const QString& shape);

}  // namespace glimtex
