#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/FragmentFormat.h"

namespace glimtex {

// Red, green and blue as elements 0, 1 and 2; 0..255 when they come from the windows.
using ColorTriple = std::array<int16_t, 3>;

// The one shared record of the program: the line of text, every decoration choice
// and the preprocessor's working value.
struct DecorationSettings {
    QString MainString;
    int16_t MojiSize = 0;              // 0: no size set
    int16_t MojiStyle = 0;             // 0 normal, 1 superscript, 2 subscript
    std::array<int16_t, 4> SpGroup{};  // bold, italic, underline, strike-through
    QString ColorStyle;                // "単色" or "グラデーション"
    std::array<ColorTriple, 2> ColorData{};
    QString StringShape;  // "標準", "右下がり", "左下がり", "レンズ", "スクラップ"
    QString BackStyle;    // "なし", "単色", "画像"
    ColorTriple BackColorData{};
    QString BackPicture;
    QString LinkStyle;  // "なし" or "リンク設定"
    QString LinkData;
    QString FontFace;  // a face name or "NULL"
    // The kind of HTML a run writes; a standing choice that no reset touches.
    FragmentFormat OutputFormat = FragmentFormat::Html;
    int16_t PreprocessAgain = 0;  // 0 false, -1 true
};

// A colour as one number, R + 256*G + 65536*B; components outside 0..255 are clamped.
uint32_t PackColor(const ColorTriple& rgb);

}  // namespace glimtex
