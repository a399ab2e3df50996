#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/ProgramFolder.h"

namespace glimtex {

// The files named by the #INCLUDE lines of one pass. Each is copied to Include.df
// and its lines are handed back. A file is read once per pass (the Include folder
// does not change while a pass runs), except the working files that the pass itself
// changes. Only the last copy of a pass can be seen in Include.df, so the copy is
// written when the pass ends (FlushCopy), or before anything reads Include.df.
class IncludeFiles {
  public:
    enum class Status {
        Included,
        Missing,
        NotPlainFile,  // a device, a FIFO or a folder: never opened, includes nothing
        TooLarge,
    };
    struct Result {
        Status status = Status::Missing;
        QStringList lines;
    };

    IncludeFiles(const ProgramFolder& folder, qint64 maxFileBytes);

    Result Include(const QString& name);

    // Writes the copy still owed to Include.df; false when that fails.
    bool FlushCopy();

  private:
    struct File {
        QByteArray bytes;
        QStringList lines;
    };

    const ProgramFolder& folder_;
    qint64 maxFileBytes_;
    QHash<QString, File> read_;
    std::optional<QByteArray> owed_;  // the copy Include.df is to hold
};

}  // namespace glimtex
