#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/DecorationSettings.h"

namespace glimtex {

// A color in OKLab: lightness L and the two opponent axes a and b.
using OklabColor = std::array<double, 3>;

// An sRGB color of 0..255 components (clamped first) in OKLab.
OklabColor ToOklab(const ColorTriple& rgb);

// A color's cone responses before they are cubed (OKLab's l', m', s'). They are a
// linear function of L, a and b, so mixing them is mixing in OKLab; a gradation mixes
// these and saves a matrix per character.
using OklabCones = std::array<double, 3>;
OklabCones ConesOf(const OklabColor& lab);

// The linear values where the 8-bit value rounds up: above roundUp[v], a linear value
// encodes to v + 1 or more. Rounding by table keeps the power function out of the
// per-character work, and gives exactly what rounding the encoded value would.
struct EncodeTable {
    static constexpr int kBuckets = 4096;
    // roundUp[255] is above every linear value, so a step from 255 never moves.
    std::array<double, 256> roundUp{};
    // The 8-bit value at the start of each of kBuckets equal steps of the linear range;
    // within a step the value is at most two above it.
    std::array<uint8_t, kBuckets + 1> start{};

    EncodeTable();
};

// Built once when the program loads, so that the per-character path has no guard.
extern const EncodeTable kEncodeTable;

// A linear component as 0..255. Two steps without a branch: the steepest bucket, at
// the dark end, spans less than one 8-bit step (4096 buckets against 255 * 12.92 for
// the linear part).
inline int16_t Encode8(double linear) {
    if (!(linear > 0.0)) return 0;
    const double clamped = std::min(linear, 1.0);
    std::size_t v = kEncodeTable.start[static_cast<std::size_t>(clamped * EncodeTable::kBuckets)];
    v += static_cast<std::size_t>(clamped > kEncodeTable.roundUp[v]);
    v += static_cast<std::size_t>(clamped > kEncodeTable.roundUp[v]);
    return static_cast<int16_t>(v);
}

// The sRGB color of mixed cone responses: FromOklab without its first matrix.
inline ColorTriple FromCones(const OklabCones& cones) {
    const double l3 = cones[0] * cones[0] * cones[0];
    const double m3 = cones[1] * cones[1] * cones[1];
    const double s3 = cones[2] * cones[2] * cones[2];
    return {Encode8(4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3),
            Encode8(-1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3),
            Encode8(-0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3)};
}

// The sRGB color nearest to an OKLab color, each component rounded to the nearest of
// 0..255; a color outside what sRGB can show is clamped component by component.
ColorTriple FromOklab(const OklabColor& lab);

}  // namespace glimtex
