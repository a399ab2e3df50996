#pragma once

#include <QString>

#include "cli/RenderOptions.h"
#include "core/ProgramFolder.h"

namespace glimtex::cli {

// A title or description as --list-macros prints it: a backslash, a tab, a line
// break and a NUL are written as \\, \t, \n (\r) and \0, so that each macro is one
// line of two fields.
QString EscapedField(const QString& text);

// --list-macros: the registered macros on standard output, one line each, title, a
// tab and the description (both escaped), in the order of the macro picker's list.
// False when standard output refused them.
bool PrintRegisteredMacros(const ProgramFolder& folder, TextEncoding encoding);

// --apply TITLE: the file of the first registered macro with the title, or the
// one-line reason there is none to apply.
struct MacroChoice {
    QString file;
    QString error;
};
MacroChoice ChooseRegisteredMacro(const ProgramFolder& folder, const QString& title);

}  // namespace glimtex::cli
