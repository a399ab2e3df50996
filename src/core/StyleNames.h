#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "core/DecorationSettings.h"
#include "core/Styles.h"

// The texts of the style lists and the styles they name, in one table: the combos
// show these texts, macros set them and the confirmation board prints them, while
// everything else works with the styles. A text is compared whole and exactly.
namespace glimtex::StyleNames {

// The font face that writes no face attribute.
inline const QString kNoFace = QStringLiteral("NULL");

// The text of a style; for Unknown, the text as typed.
QString Of(ColorStyle style, const QString& typed = QString());
QString Of(SizeShape shape, const QString& typed = QString());
QString Of(Background background, const QString& typed = QString());
QString Of(LinkStyle link);

// The style a text names: Unknown for a text outside the list (None for the link).
ColorStyle ColorStyleNamed(QStringView text);
SizeShape ShapeNamed(QStringView text);
Background BackgroundNamed(QStringView text);
LinkStyle LinkNamed(QStringView text);

// The texts of each list, in the order the combos show them.
QStringList ColorStyleList();
QStringList ShapeList();
QStringList BackgroundList();
QStringList LinkList();

// "RGB" and "OKLab": the spaces a gradation mixes in, named exactly; nothing for
// any other text.
QString Of(GradientSpace space);
std::optional<GradientSpace> GradientSpaceNamed(QStringView text);
QStringList GradientSpaceList();

// Stores the style a text names into the settings; a text outside the list is kept
// beside the Unknown style as it was typed.
void StoreColorStyle(DecorationSettings& s, const QString& text);
void StoreShape(DecorationSettings& s, const QString& text);
void StoreBackground(DecorationSettings& s, const QString& text);

}  // namespace glimtex::StyleNames
