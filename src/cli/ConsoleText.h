#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

#include "cli/RenderOptions.h"

namespace glimtex::cli {

// The bytes of a text in the console's encoding; code page 932 puts "?" for a
// character it cannot hold, and counts it in Cp932Replacements.
QByteArray EncodeForConsole(QStringView text, TextEncoding encoding);

// Writes the text and flushes; false when the stream refused it. A long text is
// encoded and written a piece at a time, so its bytes never exist all at once.
bool WriteText(std::FILE* stream, QStringView text, TextEncoding encoding);

// One report line: line breaks inside the text become spaces, one line feed ends it.
bool WriteLine(std::FILE* stream, const QString& text, TextEncoding encoding);

}  // namespace glimtex::cli
