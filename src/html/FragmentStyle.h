#pragma once

#include <QString>

#include "core/DecorationSettings.h"
#include "core/Styles.h"

namespace glimtex {

// What the opening tags of a fragment set for the whole line, decided once from the
// settings; the generator writes its opening and closing tags from this, so a view
// built from it shows what the tags say.
struct FragmentStyle {
    FragmentFormat format = FragmentFormat::Html;
    Background background = Background::None;
    ColorTriple backgroundColor{};
    QString backgroundPicture;
    bool link = false;
    QString linkAddress;
    Position position = Position::Normal;
    Emphasis emphasis;
    bool hasFace = false;
    QString face;
    bool singleColor = false;  // one "<Font Color=...>" for the whole line
    ColorTriple color{};

    static FragmentStyle Of(const DecorationSettings& s);

    // A background table is opened: a color or a picture.
    bool OpensTable() const {
        return background == Background::Color || background == Background::Picture;
    }
};

}  // namespace glimtex
