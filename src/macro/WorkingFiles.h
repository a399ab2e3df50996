#pragma once

#include <QString>

#include "core/ProgramFolder.h"

namespace glimtex::WorkingFiles {

inline const QString kWorkFile = QStringLiteral("Buf.df");
inline const QString kDefineTable = QStringLiteral("Define.df");
inline const QString kMacroList = QStringLiteral("MacroList.df");
inline const QString kIncludeCopy = QStringLiteral("Include.df");

// True when path names the working file `name` of the program folder, also through
// a link or another spelling of the path.
bool IsWorkingFile(const ProgramFolder& folder, const QString& path, const QString& name);
// True when path names any of the four working files above.
bool IsAnyWorkingFile(const ProgramFolder& folder, const QString& path);

// Empties (or creates) Define.df in the program folder.
bool EmptyDefineTable(const ProgramFolder& folder);
// Empties (or creates) MacroList.df in the program folder.
bool EmptyMacroList(const ProgramFolder& folder);
// Copies a macro file (a full path) over Buf.df.
bool LoadWorkFile(const ProgramFolder& folder, const QString& macroPath);

}  // namespace glimtex::WorkingFiles
