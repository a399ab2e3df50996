#include "macro/WorkingFiles.h"

#include <QFileInfo>

#include "macro/TextFile.h"

namespace glimtex::WorkingFiles {

bool IsWorkingFile(const ProgramFolder& folder, const QString& path, const QString& name) {
    const QString working = QFileInfo(folder.File(name)).canonicalFilePath();
    return !working.isEmpty() && QFileInfo(path).canonicalFilePath() == working;
}

bool IsAnyWorkingFile(const ProgramFolder& folder, const QString& path) {
    for (const QString& name : {kWorkFile, kDefineTable, kMacroList, kIncludeCopy}) {
        if (IsWorkingFile(folder, path, name)) return true;
    }
    return false;
}

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
