#include "html/FragmentStyle.h"

#include "core/StyleNames.h"

namespace glimtex {

FragmentStyle FragmentStyle::Of(const DecorationSettings& s) {
    FragmentStyle style;
    style.format = s.format;
    style.background = s.background;
    if (s.background == Background::Color) {
        style.backgroundColor = s.backgroundColor;
    } else if (s.background == Background::Picture) {
        style.backgroundPicture = s.backgroundPicture;
    }
    style.link = s.link == LinkStyle::Address;
    if (style.link) style.linkAddress = s.linkAddress;
    style.position = s.position;
    style.emphasis = s.emphasis;
    style.hasFace = s.face != StyleNames::kNoFace;
    if (style.hasFace) style.face = s.face;
    style.singleColor = s.colorStyle == ColorStyle::Single;
    if (style.singleColor) style.color = s.colors[0];
    if (s.format == FragmentFormat::Bbcode) {
        // Forums have no common tags for these: the format leaves them out.
        style.background = Background::None;
        style.backgroundColor = {};
        style.backgroundPicture.clear();
        style.position = Position::Normal;
        style.hasFace = false;
        style.face.clear();
    }
    return style;
}

}  // namespace glimtex
