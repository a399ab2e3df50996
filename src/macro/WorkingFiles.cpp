#include "macro/WorkingFiles.h"

#include "macro/TextFile.h"

namespace glimtex::WorkingFiles {

bool EmptyDefineTable(const ProgramFolder& folder) {
    return TextFile::Truncate(folder.File(kDefineTable));
}

bool EmptyMacroList(const ProgramFolder& folder) {
    return TextFile::Truncate(folder.File(kMacroList));
}

bool LoadWorkFile(const ProgramFolder& folder, const QString& macroPath) {
    return TextFile::CopyFile(macroPath, folder.File(kWorkFile));
}

}  // namespace glimtex::WorkingFiles
