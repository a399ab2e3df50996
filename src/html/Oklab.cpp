#include "html/Oklab.h"

#include <algorithm>
#include <cmath>

namespace glimtex {

namespace {

double Decode(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

}  // namespace

EncodeTable::EncodeTable() {
    for (std::size_t v = 0; v < 255; ++v) {
        roundUp[v] = Decode((static_cast<double>(v) + 0.5) / 255.0);
    }
    roundUp[255] = 2.0;
    for (int k = 0; k <= kBuckets; ++k) {
        const double linear = static_cast<double>(k) / kBuckets;
        start[static_cast<std::size_t>(k)] = static_cast<uint8_t>(
            std::upper_bound(roundUp.begin(), roundUp.end() - 1, linear) - roundUp.begin());
    }
}

const EncodeTable kEncodeTable;

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

OklabCones ConesOf(const OklabColor& lab) {
    return {lab[0] + 0.3963377774 * lab[1] + 0.2158037573 * lab[2],
            lab[0] - 0.1055613458 * lab[1] - 0.0638541728 * lab[2],
            lab[0] - 0.0894841775 * lab[1] - 1.2914855480 * lab[2]};
}

ColorTriple FromOklab(const OklabColor& lab) { return FromCones(ConesOf(lab)); }

}  // namespace glimtex
