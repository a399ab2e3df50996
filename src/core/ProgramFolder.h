#pragma once

#include <QDir>
#include <QString>

namespace glimtex {

// The folder that holds the program, its start-up macro and its working files.
// Macro file names are resolved here: plain working files in the folder itself,
// #INCLUDE names in Include/, #ADDITEM and picked macros in Macro/; absolute
// names are used unchanged.
class ProgramFolder {
  public:
    explicit ProgramFolder(const QString& path) : dir_(path) {}

    QString Path() const { return dir_.absolutePath(); }
    QString File(const QString& name) const { return Resolve(dir_, name); }
    QString IncludeFile(const QString& name) const {
        return Resolve(QDir(dir_.filePath(QStringLiteral("Include"))), name);
    }
    QString MacroFile(const QString& name) const {
        return Resolve(QDir(dir_.filePath(QStringLiteral("Macro"))), name);
    }

  private:
    static QString Resolve(const QDir& dir, const QString& name) {
        return QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    }
    QDir dir_;
};

}  // namespace glimtex
