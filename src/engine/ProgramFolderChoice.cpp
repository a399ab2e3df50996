#include "engine/ProgramFolderChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include "engine/MacroRunLock.h"
#include "macro/SafeFile.h"

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

// The record is read like a working file: never through a link, never a device or
// a FIFO, and never more than a record of every bundled file could hold.
constexpr qint64 kRecordBound = qint64{1024} * 1024;

QSet<QString> NamesOf(const QByteArray& record) {
    QSet<QString> names;
    for (const QByteArray& line : record.split('\n')) {
        if (!line.isEmpty()) names.insert(QString::fromUtf8(line));
    }
    return names;
}

// True when no folder between the user's folder and the name is a symbolic link.
bool NoLinkOnTheWay(const QDir& folder, const QString& name) {
    QString inside = QFileInfo(name).path();
    while (!inside.isEmpty() && inside != u".") {
        if (QFileInfo(folder.filePath(inside)).isSymLink()) return false;
        inside = QFileInfo(inside).path();
    }
    return true;
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
    // Without HOME or XDG_DATA_HOME the data location would be a folder under "/".
    if (!qEnvironmentVariableIsEmpty("HOME") || !qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) {
        places.userDir = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                             .filePath(QStringLiteral("glimtex"));
    }
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
        if (!places.userDir.isEmpty()) path_ = QFileInfo(places.userDir).absoluteFilePath();
    }
}

bool ProgramFolderChoice::Fail(Problem problem) {
    problem_ = problem;
    return false;
}

bool ProgramFolderChoice::Prepare() {
    problem_ = Problem::None;
    if (source_ != ProgramFolderSource::User) return true;
    if (path_.isEmpty()) return Fail(Problem::NoHome);
    const QDir folder(path_);
    if (!folder.exists()) {
        if (!QDir().mkpath(path_)) return Fail(Problem::CannotMake);
        QFile::setPermissions(path_, kPrivateFolder);
    }
    for (const QString& sub : kBundledFolders) {
        if (!folder.mkpath(sub)) return Fail(Problem::CannotWrite);
    }
    if (!QFileInfo(path_).isWritable()) return Fail(Problem::CannotWrite);
    // Runs that start together on a fresh folder take turns: the first fills it, the
    // others find it filled.
    const MacroRunLock lock{ProgramFolder(path_)};
    switch (lock.Status()) {
        case MacroRunLock::State::Held:
            break;
        case MacroRunLock::State::Busy:
            return Fail(Problem::Busy);
        case MacroRunLock::State::Unsafe:
        case MacroRunLock::State::Failed:
            return Fail(Problem::CannotWrite);
    }
    if (AddBundledFiles()) return true;
    if (problem_ == Problem::None) problem_ = Problem::CannotWrite;
    return false;
}

bool ProgramFolderChoice::AddBundledFiles() {
    const QDir bundled(places_.bundledDir);
    const QDir folder(path_);
    // Nothing to copy when the installed files are this very folder (a program
    // installed with the user's own data folder as its share folder).
    if (!bundled.exists() || bundled.canonicalPath() == folder.canonicalPath()) return true;
    const QString recordPath = folder.filePath(kBundledRecord);
    const SafeFile::ReadResult record =
        SafeFile::Read(recordPath, kRecordBound, SafeFile::Links::Refuse);
    switch (record.status) {
        case SafeFile::Status::Ok:
        case SafeFile::Status::Missing:
            break;
        case SafeFile::Status::Link:
        case SafeFile::Status::NotRegular:
            return Fail(Problem::RecordUnsafe);
        case SafeFile::Status::TooLarge:
            return Fail(Problem::RecordTooLarge);
        case SafeFile::Status::Failed:
            return false;
    }
    const QSet<QString> given = NamesOf(record.bytes);
    QByteArray added;
    for (const QString& name : BundledFiles(bundled)) {
        if (given.contains(name)) continue;
        // A file behind a link of the user's is neither written nor recorded: it is
        // added once the link is gone.
        if (!NoLinkOnTheWay(folder, name)) continue;
        if (!AddBundledFile(name)) return false;
        added += name.toUtf8() + '\n';
    }
    if (added.isEmpty()) return true;
    // The record is replaced whole, so a run that stops half way leaves the old one.
    return SafeFile::Replace(recordPath, record.bytes + added) == SafeFile::Status::Ok;
}

bool ProgramFolderChoice::AddBundledFile(const QString& name) const {
    const QDir folder(path_);
    const QString target = folder.filePath(name);
    // Whatever stands there (the user's own file, a link, even a dangling one) stays.
    if (SafeFile::Inspect(target) != SafeFile::Status::Missing) return true;
    if (!folder.mkpath(QFileInfo(name).path()) ||
        !QFile::copy(QDir(places_.bundledDir).filePath(name), target)) {
        return false;
    }
    // The copy is the user's to edit, whatever the installed file allows.
    QFile::setPermissions(target, kPrivateFile);
    return true;
}

QString ProgramFolderChoice::Error() const {
    const QString folder = QDir::toNativeSeparators(path_);
    switch (problem_) {
        case Problem::CannotMake:
            return QStringLiteral("cannot make the program folder ") + folder;
        case Problem::CannotWrite:
            return QStringLiteral("cannot write in the program folder ") + folder;
        case Problem::NoHome:
            return QStringLiteral(
                "neither HOME nor XDG_DATA_HOME is set, so there is no folder of your own "
                "for the macros: set one of them, or give --program-dir");
        case Problem::RecordUnsafe:
            return QStringLiteral("the record of bundled files ") +
                   QDir::toNativeSeparators(QDir(path_).filePath(kBundledRecord)) +
                   QStringLiteral(" is a link or not a plain file; remove it");
        case Problem::RecordTooLarge:
            return QStringLiteral("the record of bundled files ") +
                   QDir::toNativeSeparators(QDir(path_).filePath(kBundledRecord)) +
                   QStringLiteral(" is larger than 1 MiB; remove it");
        case Problem::Busy:
            return QStringLiteral(
                       "the program folder is in use by another run, which did not end "
                       "within %1 s: ")
                       .arg(MacroRunLock::kDefaultWait.count() / 1000) +
                   folder;
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
        case Problem::NoHome:
            return QStringLiteral(
                "環境変数 HOME も XDG_DATA_HOME "
                "も設定されていないため、作業フォルダーを決められません。"
                "どちらかを設定するか、--program-dir でフォルダーを指定してください");
        case Problem::RecordUnsafe:
            return QStringLiteral(
                       "同梱ファイルの記録がリンクか通常のファイルではありません。削除してください"
                       "：") +
                   QDir::toNativeSeparators(QDir(path_).filePath(kBundledRecord));
        case Problem::RecordTooLarge:
            return QStringLiteral("同梱ファイルの記録が 1 MiB を超えています。削除してください：") +
                   QDir::toNativeSeparators(QDir(path_).filePath(kBundledRecord));
        case Problem::Busy:
            return QStringLiteral(
                       "ほかのマクロの実行が終わらないため、作業フォルダーを使えません：") +
                   folder;
        case Problem::None:
            break;
    }
    return {};
}

QString ProgramFolderChoice::Description() const {
    if (path_.isEmpty()) return QStringLiteral("none: neither HOME nor XDG_DATA_HOME is set");
    QString folder = QDir::toNativeSeparators(path_);
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
