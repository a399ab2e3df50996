#include "core/DecorationSettings.h"

#include <algorithm>

namespace glimtex {

uint32_t PackColor(const ColorTriple& rgb) {
    auto channel = [](int16_t v) { return static_cast<uint32_t>(std::clamp<int>(v, 0, 255)); };
    return channel(rgb[0]) | (channel(rgb[1]) << 8) | (channel(rgb[2]) << 16);
}

QList<ColorTriple> ColorStops(const DecorationSettings& s) {
    QList<ColorTriple> stops{s.colors[0], s.colors[1]};
    stops += s.moreStops;
    return stops;
}

void StoreColorStops(DecorationSettings& s, const QList<ColorTriple>& stops) {
    s.colors = {stops[0], stops[1]};
    s.moreStops = stops.mid(2);
}

}  // namespace glimtex
