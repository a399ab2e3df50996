#include "macro/IncludeFiles.h"

#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

IncludeFiles::IncludeFiles(const ProgramFolder& folder, qint64 maxFileBytes)
    : folder_(folder), maxFileBytes_(maxFileBytes) {}

IncludeFiles::Result IncludeFiles::Include(const QString& name) {
    const QString path = folder_.IncludeFile(name);
    auto known = read_.constFind(path);
    File file;
    if (known != read_.constEnd()) {
        file = *known;
    } else {
        const bool copy = WorkingFiles::IsWorkingFile(folder_, path, WorkingFiles::kIncludeCopy);
        if (copy) {
            FlushCopy();  // it is to read as the last copy made
        }
        // Bounded before it is read; a device or FIFO reads as a missing file.
        SafeFile::ReadResult read = TextFile::ReadUserFile(path, maxFileBytes_);
        if (read.status == SafeFile::Status::TooLarge) {
            return {Status::TooLarge, {}};
        }
        if (read.status == SafeFile::Status::NotRegular) {
            return {Status::NotPlainFile, {}};
        }
        if (read.status != SafeFile::Status::Ok) {
            return {Status::Missing, {}};
        }
        QStringList lines = TextFile::SplitLines(TextFile::Decode(read.bytes));
        file = {std::move(read.bytes), std::move(lines)};
        // Files the pass itself changes are read afresh every time.
        if (!copy && !WorkingFiles::IsWorkingFile(folder_, path, WorkingFiles::kDefineTable) &&
            !WorkingFiles::IsWorkingFile(folder_, path, WorkingFiles::kMacroList)) {
            read_.insert(path, file);
        }
    }
    owed_ = file.bytes;
    return {Status::Included, file.lines};
}

bool IncludeFiles::FlushCopy() {
    if (!owed_) {
        return true;
    }
    const bool written = TextFile::WriteBytes(folder_.File(WorkingFiles::kIncludeCopy), *owed_);
    owed_.reset();
    return written;
}

}  // namespace glimtex
