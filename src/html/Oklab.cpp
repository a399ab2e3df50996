#include "html/Oklab.h"

#include <algorithm>
#include <cmath>

namespace glimtex {

namespace {

double Decode(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The linear values where the 8-bit value rounds up: above kRoundUp[v], a linear value
// encodes to v + 1 or more. Rounding by table keeps the power function out of the
// per-character loop, and gives exactly what rounding the encoded value would.
struct EncodeTable {
    static constexpr int kBuckets = 4096;
    std::array<double, 255> roundUp{};
    // The 8-bit value at the start of each of kBuckets equal steps of the linear range;
    // within a step the value is at most a few above it.
    std::array<uint8_t, kBuckets + 1> start{};

    EncodeTable() {
        for (std::size_t v = 0; v < roundUp.size(); ++v) {
            roundUp[v] = Decode((static_cast<double>(v) + 0.5) / 255.0);
        }
        for (int k = 0; k <= kBuckets; ++k) {
            const double linear = static_cast<double>(k) / kBuckets;
            start[static_cast<std::size_t>(k)] = static_cast<uint8_t>(
                std::upper_bound(roundUp.begin(), roundUp.end(), linear) - roundUp.begin());
        }
    }
};

// Built once when the program loads, so that the per-character path has no guard.
const EncodeTable kEncodeTable;

int16_t Encode8(double linear) {
    if (!(linear > 0.0)) return 0;
    if (linear >= 1.0) return 255;
    std::size_t v = kEncodeTable.start[static_cast<std::size_t>(linear * EncodeTable::kBuckets)];
    while (v < kEncodeTable.roundUp.size() && linear > kEncodeTable.roundUp[v]) ++v;
    return static_cast<int16_t>(v);
}

}  // namespace

OklabColor ToOklab(const ColorTriple& rgb) {
    std::array<double, 3> lin{};
    for (std::size_t k = 0; k < 3; ++k) lin[k] = Decode(std::clamp<int>(rgb[k], 0, 255) / 255.0);
    const double l =
        std::cbrt(0.4122214708 * lin[0] + 0.5363325363 * lin[1] + 0.0514459929 * lin[2]);
    const double m =
        std::cbrt(0.2119034982 * lin[0] + 0.6806995451 * lin[1] + 0.1073969566 * lin[2]);
    const double s =
        std::cbrt(0.0883024619 * lin[0] + 0.2817188376 * lin[1] + 0.6299787005 * lin[2]);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

ColorTriple FromOklab(const OklabColor& lab) {
    const double l = lab[0] + 0.3963377774 * lab[1] + 0.2158037573 * lab[2];
    const double m = lab[0] - 0.1055613458 * lab[1] - 0.0638541728 * lab[2];
    const double s = lab[0] - 0.0894841775 * lab[1] - 1.2914855480 * lab[2];
    const double l3 = l * l * l;
    const double m3 = m * m * m;
    const double s3 = s * s * s;
    return {Encode8(4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3),
            Encode8(-1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3),
            Encode8(-0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3)};
}

}  // namespace glimtex
