#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/DecorationSettings.h"
#include "html/FragmentStyle.h"
#include "html/SizePattern.h"

namespace glimtex {

// The tags written before one character (and around it, for "<SMALL>").
struct CharacterMarks {
    qsizetype start = 0;  // in code units of the fragment's text
    int length = 1;       // 2 for a surrogate pair
    bool hasColor = false;
    ColorTriple color{};  // the gradation's "<Font Color=...>"
    SizeMark size;        // "<Font Size=...>", "<SMALL>" or nothing
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
