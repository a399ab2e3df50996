#pragma once

#include <QList>
#include <array>
#include <cmath>
#include <cstdint>

#include "core/DecorationSettings.h"
#include "html/Oklab.h"
#include "html/SizePattern.h"

namespace glimtex {

// The gradation over a line of n characters. Character i lies at i/n of the way
// from the first stop to one character past the end, where the last stop would be;
// the stops are spread evenly along the way.
//
// Two stops mixed in RGB: the first color plus i steps of (second - first) / n, each
// step rounded to single precision and the product rounded to the nearest integer,
// halves to the even neighbor. More stops in RGB: each character mixes the two stops
// around it, rounded the same way. In OKLab the stops (clamped to 0..255) are mixed
// there and the result is the nearest sRGB color. Defined here so that the
// generator's loop over the characters inlines the common cases.
class Gradation {
  public:
    // False when a difference of two neighboring stops leaves the 16-bit range.
    bool Start(const DecorationSettings& s, int16_t n) {
        if (s.moreStops.isEmpty() && s.gradientSpace == GradientSpace::Rgb) {
            kind_ = Kind::TwoRgb;
            first_ = s.colors[0];
            for (std::size_t k = 0; k < 3; ++k) {
                const int d = s.colors[1][k] - s.colors[0][k];
                if (!FitsInt16(d)) return false;
                step_[k] = static_cast<float>(static_cast<double>(d) / n);
            }
            return true;
        }
        stops_ = ColorStops(s);
        lastSegment_ = stops_.size() - 2;
        segmentsPerCharacter_ = static_cast<double>(stops_.size() - 1) / n;
        if (s.gradientSpace == GradientSpace::Oklab) {
            kind_ = Kind::Oklab;
            // Every character's color at once: the conversions of many characters then
            // overlap in the processor, instead of each waiting for the one before.
            QList<OklabCones> cones;
            for (const ColorTriple& stop : stops_) cones.append(ConesOf(ToOklab(stop)));
            mixed_.resize(n);
            for (int16_t i = 0; i < n; ++i) {
                const Place place = PlaceOf(i);
                const OklabCones& a = cones[place.segment];
                const OklabCones& b = cones[place.segment + 1];
                OklabCones mixed{};
                for (std::size_t k = 0; k < 3; ++k) {
                    mixed[k] = a[k] + place.fraction * (b[k] - a[k]);
                }
                mixed_[i] = FromCones(mixed);
            }
            return true;
        }
        kind_ = Kind::ManyRgb;
        for (qsizetype k = 0; k + 1 < stops_.size(); ++k) {
            for (std::size_t j = 0; j < 3; ++j) {
                if (!FitsInt16(stops_[k + 1][j] - stops_[k][j])) return false;
            }
        }
        return true;
    }

    // False when the color of character i leaves the 16-bit range.
    bool ColorAt(int16_t i, ColorTriple& color) const {
        if (kind_ == Kind::TwoRgb) {
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
        if (kind_ == Kind::Oklab) {
            color = mixed_[i];
            return true;
        }
        const Place place = PlaceOf(i);
        // Between two stops the color stays between them, so it is always in range.
        const ColorTriple& a = stops_[place.segment];
        const ColorTriple& b = stops_[place.segment + 1];
        for (std::size_t k = 0; k < 3; ++k) {
            const double d = static_cast<double>(b[k] - a[k]);
            color[k] =
                static_cast<int16_t>(a[k] + static_cast<int>(std::nearbyint(place.fraction * d)));
        }
        return true;
    }

  private:
    enum class Kind { TwoRgb, ManyRgb, Oklab };

    // The two stops around character i and how far along from the first it lies.
    struct Place {
        qsizetype segment = 0;
        double fraction = 0;
    };
    Place PlaceOf(int16_t i) const {
        const double along = static_cast<double>(i) * segmentsPerCharacter_;
        const auto segment = std::min(static_cast<qsizetype>(along), lastSegment_);
        return {segment, along - static_cast<double>(segment)};
    }

    Kind kind_ = Kind::TwoRgb;
    qsizetype lastSegment_ = 0;
    double segmentsPerCharacter_ = 0;
    ColorTriple first_{};
    std::array<float, 3> step_{};
    QList<ColorTriple> stops_;
    QList<ColorTriple> mixed_;  // every character's color, for OKLab
};

}  // namespace glimtex
