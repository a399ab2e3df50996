#pragma once

#include <QString>

namespace glimtex::cli::Cp932Replacements {

// The characters this run wrote as "?" because code page 932 cannot hold them: in a
// macro converted from UTF-8 (or read from standard input) and on a console in code
// page 932. The renderer tells the total once, at the end of the run.
void Add(qsizetype count);
qsizetype Total();

// The line that tells the total, or an empty text when nothing was replaced.
QString Report();

}  // namespace glimtex::cli::Cp932Replacements
