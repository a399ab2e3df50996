#pragma once

#include <QString>

#include "core/Feedback.h"
#include "core/ProgramFolder.h"

namespace glimtex {

// MacroList.df: one registered macro per line, "file","title","description".
namespace MacroListFile {

// Registers the macro file `name` (resolved in the Macro folder) unless the list
// already names it: one entry for every line of the file that holds "#HEAD", its
// title and description taken from that line. Beeps once for every entry of the
// list without a file field, for every missing title or description, and when the
// list or the macro file cannot be read (the list then counts as empty, the macro
// adds nothing; so does a macro file larger than maxFileBytes).
void AddItem(const ProgramFolder& folder, const QString& name, Feedback& feedback,
             qint64 maxFileBytes);

}  // namespace MacroListFile

}  // namespace glimtex
