#pragma once

#include <QString>

namespace glimtex {

// The four cutting rules every macro file format rests on. Each returns a new text.
QString GetFrontString(const QString& text, const QString& delimiter);
QString CutString(const QString& text, const QString& delimiter);
QString GetBackString(const QString& text, const QString& delimiter);
QString GetQuoteString(const QString& text);

}  // namespace glimtex
