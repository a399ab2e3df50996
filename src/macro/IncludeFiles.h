#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "macro/ProgramFolder.h"

namespace glimtex {

// The files named by the #INCLUDE lines of one pass. Each is copied to Include.df
// and its lines are handed back. A file is read once per pass (the Include folder
// does not change while a pass runs), except the working files that the pass itself
// appends to; Include.df is rewritten only when its content changes.
class IncludeFiles {
  public:
    enum class Status { Included, Missing, TooLarge, CopyFailed };
    struct Result {
        Status status = Status::Missing;
        QStringList lines;
    };

    IncludeFiles(const ProgramFolder& folder, qint64 maxFileBytes);

    Result Include(const QString& name);

  private:
    struct File {
        QByteArray bytes;
        QStringList lines;
    };
    bool ChangesDuringPass(const QString& path) const;

    const ProgramFolder& folder_;
    qint64 maxFileBytes_;
    QHash<QString, File> read_;
    std::optional<QByteArray> copy_;  // what Include.df holds since this pass wrote it
};

}  // namespace glimtex
