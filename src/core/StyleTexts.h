#pragma once

#include <QString>

// The texts of the style combos' lists. Settings hold these texts, not indexes, and
// every test of a style compares the whole text exactly, so they are written once.
namespace glimtex::StyleText {

// Colour style.
inline const QString kSingleColour = QStringLiteral("単色");
inline const QString kGradation = QStringLiteral("グラデーション");

// Character-size shape.
inline const QString kStandard = QStringLiteral("標準");
inline const QString kFallRight = QStringLiteral("右下がり");
inline const QString kFallLeft = QStringLiteral("左下がり");
inline const QString kLens = QStringLiteral("レンズ");
inline const QString kScrap = QStringLiteral("スクラップ");

// Background style ("単色" is the colour style's text too) and link style.
inline const QString kNone = QStringLiteral("なし");
inline const QString kPicture = QStringLiteral("画像");
inline const QString kLinkSet = QStringLiteral("リンク設定");

// The font face that writes no face attribute.
inline const QString kNoFace = QStringLiteral("NULL");

}  // namespace glimtex::StyleText
