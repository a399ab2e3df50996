#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/DecorationSettings.h"
#include "html/SizePattern.h"

namespace glimtex {

// What the opening tags of a fragment set for the whole line, decided once from the
// settings; the generator writes its opening and closing tags from this, so a view
// built from it shows what the tags say.
struct FragmentStyle {
    enum class Background {
        None,     // no table
        Colour,   // "<TABLE BGCOLOR=...>"
        Picture,  // "<TABLE BACKGROUND=...>"
        Unknown,  // another back style: no table opens ("</TABLE>" in the old bytes)
    };
    enum class Position { Normal, Super, Sub };

    FragmentFormat format = FragmentFormat::Html;
    Background background = Background::None;
    ColorTriple backColor{};
    QString backPicture;
    bool link = false;
    QString linkTarget;
    Position position = Position::Normal;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hasFace = false;
    QString face;
    bool singleColour = false;  // one "<Font Color=...>" for the whole line
    ColorTriple colour{};

    static FragmentStyle Of(const DecorationSettings& s);

    // A background table is opened: a colour or a picture.
    bool OpensTable() const {
        return background == Background::Colour || background == Background::Picture;
    }
};

// The tags written before one character (and around it, for "<SMALL>").
struct CharacterMarks {
    qsizetype start = 0;  // in code units of the fragment's text
    int length = 1;       // 2 for a surrogate pair
    bool hasColour = false;
    ColorTriple colour{};  // the gradation's "<Font Color=...>"
    SizeMark size;         // "<Font Size=...>", "<SMALL>" or nothing
};

// A fragment as data: the surrounding styles and, per character, its marks, exactly
// as the generator writes them.
struct FragmentModel {
    FragmentStyle style;
    QString text;
    std::vector<CharacterMarks> characters;
    qsizetype htmlLength = 0;  // the length of the fragment's HTML text
};

}  // namespace glimtex
