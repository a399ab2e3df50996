#pragma once

#include <cstdint>
#include <optional>

#include "core/Styles.h"

namespace glimtex {

// True when the value is representable in the settings' 16-bit signed arithmetic.
template <typename T>
constexpr bool FitsInt16(T value) {
    return value >= static_cast<T>(INT16_MIN) && value <= static_cast<T>(INT16_MAX);
}

// What goes before (or around) one character.
struct SizeMark {
    enum class Kind { Nothing, Size, Small };
    Kind kind = Kind::Nothing;
    int16_t size = 0;  // the number of the size tag, for Kind::Size
    bool operator==(const SizeMark&) const = default;
};

// The size pattern over one run of n characters (n >= 1). Sizes are 16-bit signed,
// the step accumulator single precision, compared strictly with 1.
class SizePattern {
  public:
    // scrapSmaller is the generator's flag of the scrap shape: the next character is
    // the smaller one.
    SizePattern(SizeShape shape, int16_t size, int16_t n, int16_t& scrapSmaller);

    // The mark for the character at position i; call for i = 0, 1, ... n - 1 in order.
    // Empty when the running size would leave the 16-bit range.
    std::optional<SizeMark> Next(int16_t i);

  private:
    std::optional<SizeMark> FallRightStep();
    std::optional<SizeMark> FallLeftStep(int16_t i);
    std::optional<SizeMark> LensStep(int16_t i);
    SizeMark ScrapStep(int16_t i);
    bool StepSize(int delta);
    bool Accumulate();

    SizeShape shape_;
    int16_t startSize_;
    int16_t n_;
    int16_t& scrapSmaller_;
    int16_t size_;
    float acc_ = 0.0f;
    float half_;      // n / 2
    float quotient_;  // the size / n, or the size / half for the lens
};

}  // namespace glimtex
