#pragma once

#include <QString>

namespace glimtex {

// The four cutting rules every macro file format rests on. Each returns a new text;
// a delimiter that does not occur gives the empty text.

// The text before the first occurrence of the delimiter.
QString TextBefore(const QString& text, const QString& delimiter);
// The text with the first occurrence of the delimiter taken out.
QString WithoutFirst(const QString& text, const QString& delimiter);
// The text after the first character of the delimiter's first occurrence: only that
// one character is stepped over, however long the delimiter.
QString TextAfterFirstCharOf(const QString& text, const QString& delimiter);
// The text between the first two double quotes.
QString FirstQuoted(const QString& text);

}  // namespace glimtex
