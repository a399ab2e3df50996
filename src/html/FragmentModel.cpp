#include "html/FragmentModel.h"

#include "core/StyleTexts.h"

namespace glimtex {

FragmentStyle FragmentStyle::Of(const DecorationSettings& s) {
    FragmentStyle style;
    style.format = s.OutputFormat;
    if (s.BackStyle == StyleText::kSingleColour) {
        style.background = Background::Colour;
        style.backColor = s.BackColorData;
    } else if (s.BackStyle == StyleText::kPicture) {
        style.background = Background::Picture;
        style.backPicture = s.BackPicture;
    } else if (s.BackStyle != StyleText::kNone) {
        style.background = Background::Unknown;
    }
    style.link = s.LinkStyle == StyleText::kLinkSet;
    if (style.link) style.linkTarget = s.LinkData;
    if (s.MojiStyle == 1) {
        style.position = Position::Super;
    } else if (s.MojiStyle == 2) {
        style.position = Position::Sub;
    }
    // A flag counts only when it is exactly 1.
    style.bold = s.SpGroup[0] == 1;
    style.italic = s.SpGroup[1] == 1;
    style.underline = s.SpGroup[2] == 1;
    style.strike = s.SpGroup[3] == 1;
    style.hasFace = s.FontFace != StyleText::kNoFace;
    if (style.hasFace) style.face = s.FontFace;
    style.singleColour = s.ColorStyle == StyleText::kSingleColour;
    if (style.singleColour) style.colour = s.ColorData[0];
    return style;
}

}  // namespace glimtex
