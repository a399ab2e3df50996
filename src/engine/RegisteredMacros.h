#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/ProgramFolder.h"

namespace glimtex {

class Engine;

// One line of MacroList.df: the macro's file in the Macro folder, its title and its
// description.
struct RegisteredMacro {
    QString file;
    QString title;
    QString description;
};

// The entries of MacroList.df in file order, duplicates and empty titles included. A
// missing or unreadable list reads as an empty one.
QList<RegisteredMacro> ReadRegisteredMacros(const ProgramFolder& folder);

// True when MacroList.df is larger than any list the program writes (2 MiB): it is
// then not read at all, and its entries cannot be offered.
bool MacroListTooLarge(const ProgramFolder& folder);
// The notice of the picker for such a list.
extern const QString kMacroListTooLargeMessage;

// The first entry with exactly this title.
std::optional<RegisteredMacro> FindRegisteredMacro(const QList<RegisteredMacro>& macros,
                                                   const QString& title);

// The path of a registered macro file in the Macro folder, or nothing when there is no
// readable file of that name there. A name that would lead out of the Macro folder (an
// absolute path, "." or "..", or a name holding a path separator) counts as missing.
std::optional<QString> RegisteredMacroPath(const ProgramFolder& folder, const QString& file);

// The notice when a registered macro's file cannot be used: names the file.
QString MissingMacroFileMessage(const QString& file);

// Applies a registered macro as the macro picker's "確定" and Yes do: copies its file
// from the Macro folder to Buf.df, empties Define.df, runs the pass loop and the
// statements. When the file cannot be used, a notice names it and nothing runs (the
// previous Buf.df is not run either); false then.
bool ApplyRegisteredMacro(Engine& engine, const QString& file);

}  // namespace glimtex
