#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/ProgramFolder.h"
#include "macro/SafeFile.h"

namespace glimtex::WorkingFiles {

inline const QString kWorkFile = QStringLiteral("Buf.df");
inline const QString kDefineTable = QStringLiteral("Define.df");
inline const QString kMacroList = QStringLiteral("MacroList.df");
inline const QString kIncludeCopy = QStringLiteral("Include.df");

// The four working files, in the order they are checked.
inline const QStringList kAll{kWorkFile, kDefineTable, kMacroList, kIncludeCopy};

// True when path names the working file `name` of the program folder, also through
// a symbolic link, a hard link or another spelling of the path.
bool IsWorkingFile(const ProgramFolder& folder, const QString& path, const QString& name);
// True when path names any of the four working files above.
bool IsAnyWorkingFile(const ProgramFolder& folder, const QString& path);

// Empties (or creates) Define.df in the program folder.
bool EmptyDefineTable(const ProgramFolder& folder);
// Empties (or creates) MacroList.df in the program folder.
bool EmptyMacroList(const ProgramFolder& folder);
// Copies a macro file (a full path) over Buf.df.
bool LoadWorkFile(const ProgramFolder& folder, const QString& macroPath);

// The first working file that a run must not touch: one that is a symbolic link,
// has another name (a hard link), or is not a plain file. Empty when every working
// file is a plain file of its own or missing.
QString FirstUnsafe(const ProgramFolder& folder);

// Removes what a run that was killed while replacing a file can leave behind: the
// temporary files "<working file>.tmp<hex digits>" (and ".bundled.tmp…" of the
// user's folder). Only for a run that owns the folder, so that no run is still
// writing one of them. Returns how many were removed.
int RemoveLeftovers(const ProgramFolder& folder);

// Copies a macro file (a full path) over Buf.df, reading at most maxBytes of it:
// Ok, or why not (Missing, NotRegular, TooLarge for the macro; Failed when it cannot
// be read or Buf.df cannot be written).
SafeFile::Status LoadWork(const ProgramFolder& folder, const QString& macroPath, qint64 maxBytes);
// Writes a macro's bytes (code page 932) over Buf.df.
bool LoadWorkBytes(const ProgramFolder& folder, const QByteArray& bytes);

}  // namespace glimtex::WorkingFiles
