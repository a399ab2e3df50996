#include "macro/IncludeFiles.h"

#include <QFileInfo>

#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

IncludeFiles::IncludeFiles(const ProgramFolder& folder, qint64 maxFileBytes)
    : folder_(folder), maxFileBytes_(maxFileBytes) {}

bool IncludeFiles::ChangesDuringPass(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const QString& name :
         {WorkingFiles::kDefineTable, WorkingFiles::kMacroList, WorkingFiles::kIncludeCopy}) {
        if (canonical == QFileInfo(folder_.File(name)).canonicalFilePath()) {
            return true;
        }
    }
    return false;
}

IncludeFiles::Result IncludeFiles::Include(const QString& name) {
    const QString path = folder_.IncludeFile(name);
    auto known = read_.constFind(path);
    File file;
    if (known != read_.constEnd()) {
        file = *known;
    } else {
        const QFileInfo info(path);
        if (info.isFile() && info.size() > maxFileBytes_) {
            return {Status::TooLarge, {}};
        }
        std::optional<QByteArray> bytes = TextFile::ReadBytes(path);
        if (!bytes) {
            return {Status::Missing, {}};
        }
        file = {*bytes, TextFile::SplitLines(TextFile::Decode(*bytes))};
        if (!ChangesDuringPass(path)) {
            read_.insert(path, file);
        }
    }
    if (copy_ != file.bytes) {
        if (!TextFile::WriteBytes(folder_.File(WorkingFiles::kIncludeCopy), file.bytes)) {
            copy_.reset();
            return {Status::CopyFailed, file.lines};
        }
        copy_ = file.bytes;
    }
    return {Status::Included, file.lines};
}

}  // namespace glimtex
