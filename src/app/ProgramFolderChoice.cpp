#include "app/ProgramFolderChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#ifndef GLIMTEX_BUNDLED_FROM_BIN
#define GLIMTEX_BUNDLED_FROM_BIN "../share/glimtex"
#endif

namespace glimtex {

namespace {

// The names, relative to the user's folder, of every bundled file it has been given,
// one a line, so that a file the user deleted is not brought back.
const QString kBundledRecord = QStringLiteral(".bundled");
const QStringList kBundledFolders{QStringLiteral("Include"), QStringLiteral("Macro")};
const QString kStartupMacro = QStringLiteral("Default");

constexpr QFileDevice::Permissions kPrivateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
constexpr QFileDevice::Permissions kPrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadUser | QFileDevice::WriteUser;

// Default and every file under Include/ and Macro/, relative to the bundled folder.
QStringList BundledFiles(const QDir& bundled) {
    QStringList names;
    if (QFileInfo(bundled.filePath(kStartupMacro)).isFile()) names << kStartupMacro;
    for (const QString& folder : kBundledFolders) {
        QDirIterator it(bundled.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) names << bundled.relativeFilePath(it.next());
    }
    return names;
}

QSet<QString> ReadRecord(const QString& path) {
    QFile file(path);
    QSet<QString> names;
    if (!file.open(QIODevice::ReadOnly)) return names;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty()) names.insert(QString::fromUtf8(line));
    }
    return names;
}

}  // namespace

ProgramFolderPlaces ProgramFolderPlaces::ForThisProcess(const QString& given) {
    ProgramFolderPlaces places;
    places.given = given;
    places.executableDir = QCoreApplication::applicationDirPath();
    const QDir executable(places.executableDir);
    const QString share =
        QDir::cleanPath(executable.filePath(QStringLiteral(GLIMTEX_BUNDLED_FROM_BIN)));
    // A portable folder that this user cannot write (unpacked by an administrator)
    // fills the user's folder from its own files.
    const bool portableReadOnly =
        !QFileInfo(share).isDir() && QFileInfo(executable.filePath(kStartupMacro)).isFile();
    places.bundledDir = portableReadOnly ? executable.absolutePath() : share;
    places.userDir = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                         .filePath(QStringLiteral("glimtex"));
    return places;
}

ProgramFolderChoice::ProgramFolderChoice(const ProgramFolderPlaces& places) : places_(places) {
    const QDir executable(places.executableDir);
    if (!places.given.isEmpty()) {
        source_ = ProgramFolderSource::Given;
        path_ = QFileInfo(places.given).absoluteFilePath();
    } else if (QFileInfo(executable.filePath(kStartupMacro)).isFile() &&
               QFileInfo(places.executableDir).isWritable()) {
        source_ = ProgramFolderSource::Portable;
        path_ = executable.absolutePath();
    } else {
        source_ = ProgramFolderSource::User;
        path_ = QFileInfo(places.userDir).absoluteFilePath();
    }
}

bool ProgramFolderChoice::Fail(Problem problem) {
    problem_ = problem;
    return false;
}

bool ProgramFolderChoice::Prepare() {
    problem_ = Problem::None;
    if (source_ != ProgramFolderSource::User) return true;
    const QDir folder(path_);
    if (!folder.exists()) {
        if (!QDir().mkpath(path_)) return Fail(Problem::CannotMake);
        QFile::setPermissions(path_, kPrivateFolder);
    }
    for (const QString& sub : kBundledFolders) {
        if (!folder.mkpath(sub)) return Fail(Problem::CannotWrite);
    }
    if (!QFileInfo(path_).isWritable()) return Fail(Problem::CannotWrite);
    return AddBundledFiles() || Fail(Problem::CannotWrite);
}

bool ProgramFolderChoice::AddBundledFiles() {
    const QDir bundled(places_.bundledDir);
    const QDir folder(path_);
    // Nothing to copy when the installed files are this very folder (a program
    // installed with the user's own data folder as its share folder).
    if (!bundled.exists() || bundled.canonicalPath() == folder.canonicalPath()) return true;
    const QString recordPath = folder.filePath(kBundledRecord);
    const QSet<QString> given = ReadRecord(recordPath);
    QByteArray added;
    for (const QString& name : BundledFiles(bundled)) {
        if (given.contains(name)) continue;
        const QString target = folder.filePath(name);
        if (!QFileInfo::exists(target)) {
            if (!folder.mkpath(QFileInfo(name).path()) ||
                !QFile::copy(bundled.filePath(name), target)) {
                return false;
            }
            // The copy is the user's to edit, whatever the installed file allows.
            QFile::setPermissions(target, kPrivateFile);
        }
        added += name.toUtf8() + '\n';
    }
    if (added.isEmpty()) return true;
    QFile record(recordPath);
    return record.open(QIODevice::WriteOnly | QIODevice::Append) &&
           record.write(added) == added.size() && record.flush();
}

QString ProgramFolderChoice::Error() const {
    const QString folder = QDir::toNativeSeparators(path_);
    switch (problem_) {
        case Problem::CannotMake:
            return QStringLiteral("cannot make the program folder ") + folder;
        case Problem::CannotWrite:
            return QStringLiteral("cannot write in the program folder ") + folder;
        case Problem::None:
            break;
    }
    return {};
}

QString ProgramFolderChoice::Notice() const {
    const QString folder = QDir::toNativeSeparators(path_);
    switch (problem_) {
        case Problem::CannotMake:
            return QStringLiteral("作業フォルダーを作成できません：") + folder;
        case Problem::CannotWrite:
            return QStringLiteral("作業フォルダーに書き込めません：") + folder;
        case Problem::None:
            break;
    }
    return {};
}

QString ProgramFolderChoice::Description() const {
    const QString folder = QDir::toNativeSeparators(path_);
    switch (source_) {
        case ProgramFolderSource::Given:
            return folder + QStringLiteral(" (given with --program-dir)");
        case ProgramFolderSource::Portable:
            return folder + QStringLiteral(" (the folder of this executable)");
        case ProgramFolderSource::User:
            return folder + QStringLiteral(" (your own folder, filled from ") +
                   QDir::toNativeSeparators(places_.bundledDir) + u')';
    }
    return folder;
}

}  // namespace glimtex
