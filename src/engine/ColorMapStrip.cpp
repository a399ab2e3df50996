#include "engine/ColorMapStrip.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "html/Gradation.h"

namespace glimtex {

namespace {

// Single-precision step of the run, rounded to the nearest integer with halves to
// the even neighbour (the default rounding mode of lrint).
int16_t StepComponent(int16_t from, int16_t to, int k) {
    const float kf = static_cast<float>(k);
    const float value = static_cast<float>(from) - kf * (static_cast<float>(from) / 100.0f) +
                        kf * (static_cast<float>(to) / 100.0f);
    const long rounded = std::lrint(value);
    return static_cast<int16_t>(std::clamp<long>(rounded, std::numeric_limits<int16_t>::min(),
                                                 std::numeric_limits<int16_t>::max()));
}

}  // namespace

std::array<ColorTriple, kStripRectangles> GradationStripColors(const ColorTriple& c0,
                                                               const ColorTriple& c1) {
    std::array<ColorTriple, kStripRectangles> colors{};
    ColorTriple cur = c0;
    for (int k = 0; k < kStripRectangles; ++k) {
        colors[static_cast<size_t>(k)] = cur;
        for (size_t j = 0; j < 3; ++j) cur[j] = StepComponent(c0[j], c1[j], k);
    }
    return colors;
}

std::array<ColorTriple, kStripRectangles> GradationStripColors(const DecorationSettings& s) {
    if (s.moreStops.isEmpty() && s.gradientSpace == GradientSpace::Rgb) {
        return GradationStripColors(s.colors[0], s.colors[1]);
    }
    std::array<ColorTriple, kStripRectangles> colors{};
    colors.fill(s.colors[0]);
    Gradation gradation;
    if (!gradation.Start(s, kStripRectangles - 1)) return colors;
    for (int k = 1; k < kStripRectangles; ++k) {
        ColorTriple color{};
        if (gradation.ColorAt(static_cast<int16_t>(k - 1), color)) {
            colors[static_cast<size_t>(k)] = color;
        }
    }
    return colors;
}

StripSpan StripRectangleSpan(int k, float innerWidth) {
    const float kf = static_cast<float>(k);
    return {kf * innerWidth / 100.0f, (kf + 1.0f) * innerWidth / 100.0f};
}

}  // namespace glimtex
