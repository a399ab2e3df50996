#include "macro/WorkingFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "macro/TextFile.h"

namespace glimtex::WorkingFiles {

bool IsWorkingFile(const ProgramFolder& folder, const QString& path, const QString& name) {
    const QString working = QFileInfo(folder.File(name)).canonicalFilePath();
    if (!working.isEmpty() && QFileInfo(path).canonicalFilePath() == working) return true;
    // Another name for the same file (a hard link) is the same file all the same.
    return SafeFile::SameFile(path, folder.File(name));
}

bool IsAnyWorkingFile(const ProgramFolder& folder, const QString& path) {
    return std::ranges::any_of(
        kAll, [&](const QString& name) { return IsWorkingFile(folder, path, name); });
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

QString FirstUnsafe(const ProgramFolder& folder) {
    for (const QString& name : kAll) {
        const SafeFile::Status status = SafeFile::Inspect(folder.File(name));
        if (status == SafeFile::Status::Link || status == SafeFile::Status::NotRegular) {
            return name;
        }
    }
    return QString();
}

int RemoveLeftovers(const ProgramFolder& folder) {
    static const QRegularExpression leftover(
        QStringLiteral("^(Buf\\.df|Define\\.df|MacroList\\.df|Include\\.df|\\.bundled)"
                       "\\.tmp[0-9a-f]{1,16}$"));
    int removed = 0;
    const QDir dir(folder.Path());
    for (const QString& name :
         dir.entryList({QStringLiteral("*.tmp*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch() && QFile::remove(dir.filePath(name))) ++removed;
    }
    return removed;
}

SafeFile::Status LoadWork(const ProgramFolder& folder, const QString& macroPath, qint64 maxBytes) {
    const SafeFile::ReadResult macro = TextFile::ReadUserFile(macroPath, maxBytes);
    if (macro.status != SafeFile::Status::Ok) return macro.status;
    const SafeFile::Status written = SafeFile::Replace(folder.File(kWorkFile), macro.bytes);
    // Buf.df that cannot be written, whatever the reason, is a failure of the folder.
    return written == SafeFile::Status::Ok ? written : SafeFile::Status::Failed;
}

bool LoadWorkBytes(const ProgramFolder& folder, const QByteArray& bytes) {
    return SafeFile::Replace(folder.File(kWorkFile), bytes) == SafeFile::Status::Ok;
}

}  // namespace glimtex::WorkingFiles
