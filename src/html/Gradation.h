#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "core/DecorationSettings.h"
#include "html/SizePattern.h"

namespace glimtex {

// The gradation: the color of character i is the first color plus i steps of
// (second - first) / n, each step rounded to single precision and the product
// rounded to the nearest integer, halves to the even neighbor. Defined here so that
// the generator's loop over the characters inlines it.
class Gradation {
  public:
    // False when a difference of the two colors leaves the 16-bit range.
    bool Start(const std::array<ColorTriple, 2>& colors, int16_t n) {
        first_ = colors[0];
        for (std::size_t k = 0; k < 3; ++k) {
            const int d = colors[1][k] - colors[0][k];
            if (!FitsInt16(d)) return false;
            step_[k] = static_cast<float>(static_cast<double>(d) / n);
        }
        return true;
    }

    // False when the color of character i leaves the 16-bit range.
    bool ColorAt(int16_t i, ColorTriple& color) const {
        for (std::size_t k = 0; k < 3; ++k) {
            const double p = static_cast<double>(i) * static_cast<double>(step_[k]);
            const double r = std::nearbyint(p);
            if (!FitsInt16(r)) return false;
            const int c = first_[k] + static_cast<int>(r);
            if (!FitsInt16(c)) return false;
            color[k] = static_cast<int16_t>(c);
        }
        return true;
    }

  private:
    ColorTriple first_{};
    std::array<float, 3> step_{};
};

}  // namespace glimtex
