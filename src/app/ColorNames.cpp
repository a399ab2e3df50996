#include "app/ColorNames.h"

#include <array>
#include <utility>

namespace glimtex {

namespace {

// The colours of the sample palette that have a name everyone uses; the tints and
// the steps between them are told by their numbers alone.
const std::array<std::pair<ColorTriple, const char*>, 12> kNamedColors{{
    {{0, 0, 0}, "黒"},
    {{255, 255, 255}, "白"},
    {{255, 0, 0}, "赤"},
    {{0, 255, 0}, "緑"},
    {{0, 0, 255}, "青"},
    {{255, 255, 0}, "黄"},
    {{0, 255, 255}, "シアン"},
    {{255, 0, 255}, "マゼンタ"},
    {{255, 150, 0}, "オレンジ"},
    {{180, 180, 180}, "明るい灰色"},
    {{120, 120, 120}, "灰色"},
    {{40, 40, 40}, "暗い灰色"},
}};

}  // namespace

QString SpokenColor(const ColorTriple& rgb) {
    QString name = QStringLiteral("色");
    for (const auto& [color, named] : kNamedColors) {
        if (color == rgb) name = QString::fromUtf8(named);
    }
    return QStringLiteral("%1 (%2, %3, %4)").arg(name).arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
}

}  // namespace glimtex
