#include "html/SizePattern.h"

namespace glimtex {

SizePattern::SizePattern(SizeShape shape, int16_t size, int16_t n, int16_t& scrapSmaller)
    : shape_(shape),
      startSize_(size),
      n_(n),
      scrapSmaller_(scrapSmaller),
      size_(size),
      half_(static_cast<float>(n) / 2.0f) {
    // Both operands are exact in single precision, so each quotient is rounded once.
    const float divisor = shape == SizeShape::Lens ? half_ : static_cast<float>(n);
    quotient_ = n > 0 ? static_cast<float>(size) / divisor : 0.0f;
}

std::optional<SizeMark> SizePattern::Next(int16_t i) {
    switch (shape_) {
        case SizeShape::Standard:
            if (i == 0 && startSize_ != 0) return SizeMark{SizeMark::Kind::Size, startSize_};
            return SizeMark{};
        case SizeShape::FallRight:
            return FallRightStep();
        case SizeShape::FallLeft:
            return FallLeftStep(i);
        case SizeShape::Lens:
            return LensStep(i);
        case SizeShape::Scrap:
            return ScrapStep(i);
        case SizeShape::Unknown:
            break;
    }
    return SizeMark{};
}

// Moves the running size by delta; false when it would leave the 16-bit range.
bool SizePattern::StepSize(int delta) {
    const int next = size_ + delta;
    if (!FitsInt16(next)) return false;
    size_ = static_cast<int16_t>(next);
    return true;
}

// Adds the quotient to the accumulator; true (and the accumulator back to 0) once it
// passes 1. Reaching exactly 1 is not enough.
bool SizePattern::Accumulate() {
    acc_ += quotient_;
    if (acc_ > 1.0f) {
        acc_ = 0.0f;
        return true;
    }
    return false;
}

std::optional<SizeMark> SizePattern::FallRightStep() {
    // Above the number of characters the size falls by one at every character; else
    // each time the accumulator passes 1 (which only then is advanced).
    if ((startSize_ > n_ || Accumulate()) && !StepSize(-1)) return std::nullopt;
    return SizeMark{SizeMark::Kind::Size, size_};
}

std::optional<SizeMark> SizePattern::FallLeftStep(int16_t i) {
    if (startSize_ > n_) {
        if (i == 0) {
            const int start = startSize_ - n_ + 1;
            if (!FitsInt16(startSize_ - n_) || !FitsInt16(start)) return std::nullopt;
            size_ = static_cast<int16_t>(start);
        } else if (!StepSize(+1)) {
            return std::nullopt;
        }
    } else {
        if (i == 0) size_ = 1;
        if (Accumulate() && !StepSize(+1)) return std::nullopt;
    }
    return SizeMark{SizeMark::Kind::Size, size_};
}

std::optional<SizeMark> SizePattern::LensStep(int16_t i) {
    if (static_cast<float>(i) < half_) {
        // The first half; for an odd count it holds the middle character.
        if (half_ < static_cast<float>(startSize_)) {
            if (!StepSize(-1)) return std::nullopt;
        } else if (Accumulate() && !StepSize(-1)) {
            return std::nullopt;
        }
    } else if (size_ > n_) {
        if (!StepSize(+1)) return std::nullopt;
    } else if (Accumulate() && !StepSize(+1)) {
        return std::nullopt;
    }
    return SizeMark{SizeMark::Kind::Size, size_};
}

SizeMark SizePattern::ScrapStep(int16_t i) {
    if (i == 0) scrapSmaller_ = 0;
    if (scrapSmaller_ == 1) {
        scrapSmaller_ = 0;
        if (startSize_ < 3) return SizeMark{SizeMark::Kind::Small, 0};
        // The size is at least 3 here, so one less stays in range.
        return SizeMark{SizeMark::Kind::Size, static_cast<int16_t>(startSize_ - 1)};
    }
    scrapSmaller_ = 1;
    return SizeMark{SizeMark::Kind::Size, startSize_};
}

}  // namespace glimtex
