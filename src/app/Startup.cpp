#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>

#include "app/MacroInterpreter.h"
#include "app/MacroRunLock.h"
#include "app/Program.h"
#include "macro/Preprocessor.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

const QString kDefaultMissingMessage =
    QStringLiteral("起動マクロ Default が見つかりません。既定の設定で起動します。");
const QString kDefaultDanglingMessage = QStringLiteral(
    "起動マクロ Default はリンクですが、リンク先のファイルがありません。既定の設定で起動します。");
const QString kDefaultUnreadableMessage =
    QStringLiteral("起動マクロ Default を読み込めません。既定の設定で起動します。");
const QString kStartupFilesMessage =
    QStringLiteral("作業ファイルを書き込めません。既定の設定で起動します。");
const QString kPassLoopStoppedMessage =
    QStringLiteral("マクロの展開が終わりません。処理を中止しました。");
const QString kPassLoopTooLongMessage =
    QStringLiteral("マクロが長すぎるため展開できません（100 万文字まで）。処理を中止しました。");
const QString kPassLoopFileTooLargeMessage =
    QStringLiteral("マクロが読み込むファイルが大きすぎます。処理を中止しました。");
const QString kMacroUnreadableMessage = QStringLiteral("マクロファイルを読み込めません：");
const QString kApplyFilesMessage =
    QStringLiteral("作業ファイルを書き込めません。マクロを適用できませんでした。");
const QString kFolderBusyMessage = QStringLiteral(
    "ほかのマクロの実行が終わらないため、マクロを実行できませんでした。しばらくしてからやり直してく"
    "ださい。");
const QString kUnsafeWorkingFileMessage = QStringLiteral(
    "作業ファイルがリンクか通常のファイルではないため、マクロを実行できませんでした：");
const QString kDefaultTooLargeMessage =
    QStringLiteral("起動マクロ Default が大きすぎます。既定の設定で起動します。");
const QString kMacroTooLargeMessage = QStringLiteral("マクロファイルが大きすぎます：");

namespace {

const QString kStartupMacro = QStringLiteral("Default");

void Notify(Program& program, const QString& text) {
    program.UserFeedback().ShowNotice(kNoticeTitle, text);
}

// Takes the program folder for a run, or tells why it cannot: another run keeps
// it, or a working file (or the lock file) is a link or not a plain file.
StartupOutcome OwnFolder(Program& program, const MacroRunLock& lock) {
    switch (lock.Status()) {
        case MacroRunLock::State::Held:
            break;
        case MacroRunLock::State::Busy:
            Notify(program, kFolderBusyMessage);
            return StartupOutcome::FolderBusy;
        case MacroRunLock::State::Unsafe:
            Notify(program, kUnsafeWorkingFileMessage + MacroRunLock::kFileName);
            return StartupOutcome::WorkingFileUnsafe;
        case MacroRunLock::State::Failed:
            Notify(program, kStartupFilesMessage);
            return StartupOutcome::WorkFilesUnwritable;
    }
    const QString unsafe = WorkingFiles::FirstUnsafe(program.Folder());
    if (!unsafe.isEmpty()) {
        Notify(program, kUnsafeWorkingFileMessage + unsafe);
        return StartupOutcome::WorkingFileUnsafe;
    }
    // A run that was killed while it replaced a file left its temporary file.
    WorkingFiles::RemoveLeftovers(program.Folder());
    return StartupOutcome::Done;
}

// Expands Buf.df to a fixed point and runs its statements. False when the
// expansion had to be stopped; the statements are then not run.
bool ExpandAndRun(Program& program) {
    const NoticeBudget::Run run(program.UserFeedback());
    Preprocessor preprocessor(program.Folder(), program.Settings(), program.UserFeedback());
    if (!preprocessor.RunPassLoop(WorkingFiles::kWorkFile)) {
        switch (preprocessor.LastPassOutcome()) {
            case PassOutcome::FileTooLarge:
                Notify(program, kPassLoopFileTooLargeMessage);
                break;
            case PassOutcome::TooLong:
                Notify(program, kPassLoopTooLongMessage);
                break;
            default:
                Notify(program, kPassLoopStoppedMessage);
                break;
        }
        return false;
    }
    MacroInterpreter(program).MacroRun(WorkingFiles::kWorkFile);
    return true;
}

}  // namespace

Startup::Startup(Program& program) : program_(program) {}

void Startup::Run() {
    codeLabel_ = kBuildIdentifier;
    const MacroRunLock lock(program_.Folder());
    outcome_ = OwnFolder(program_, lock);
    if (outcome_ != StartupOutcome::Done) return;
    outcome_ = Prepare();
    if (outcome_ != StartupOutcome::Done) return;
    if (!ExpandAndRun(program_)) outcome_ = StartupOutcome::PassLoopStopped;
}

// Empties the side files and copies Default over the work file. Every failure is
// told to the user; the program then goes on with the main window's defaults.
StartupOutcome Startup::Prepare() {
    const ProgramFolder& folder = program_.Folder();
    if (!WorkingFiles::EmptyDefineTable(folder) || !WorkingFiles::EmptyMacroList(folder)) {
        Notify(program_, kStartupFilesMessage);
        return StartupOutcome::WorkFilesUnwritable;
    }
    const QFileInfo startupMacro(folder.File(kStartupMacro));
    if (!startupMacro.exists() || startupMacro.isDir()) {
        Notify(program_, startupMacro.isSymLink() && !startupMacro.exists()
                             ? kDefaultDanglingMessage
                             : kDefaultMissingMessage);
        return StartupOutcome::DefaultMissing;
    }
    switch (
        WorkingFiles::LoadWork(folder, startupMacro.absoluteFilePath(), TextFile::kMaxFileBytes)) {
        case SafeFile::Status::Ok:
            return StartupOutcome::Done;
        case SafeFile::Status::Missing:
            Notify(program_, kDefaultMissingMessage);
            return StartupOutcome::DefaultMissing;
        case SafeFile::Status::TooLarge:
            Notify(program_, kDefaultTooLargeMessage);
            return StartupOutcome::DefaultUnreadable;
        case SafeFile::Status::NotRegular:
            Notify(program_, kDefaultUnreadableMessage);
            return StartupOutcome::DefaultUnreadable;
        case SafeFile::Status::Link:
        case SafeFile::Status::Failed:
            break;
    }
    if (!startupMacro.isReadable()) {
        Notify(program_, kDefaultUnreadableMessage);
        return StartupOutcome::DefaultUnreadable;
    }
    Notify(program_, kStartupFilesMessage);
    return StartupOutcome::WorkFilesUnwritable;
}

namespace {

// The rest of an application once the macro is in Buf.df.
bool EmptyDefinesAndRun(Program& program) {
    if (!WorkingFiles::EmptyDefineTable(program.Folder())) {
        Notify(program, kApplyFilesMessage);
        return false;
    }
    ExpandAndRun(program);
    return true;
}

}  // namespace

bool ApplyMacro(Program& program, const QString& macroPath) {
    const MacroRunLock lock(program.Folder());
    if (OwnFolder(program, lock) != StartupOutcome::Done) return false;
    const QFileInfo macro(macroPath);
    switch (WorkingFiles::LoadWork(program.Folder(), macro.absoluteFilePath(),
                                   TextFile::kMaxFileBytes)) {
        case SafeFile::Status::Ok:
            return EmptyDefinesAndRun(program);
        case SafeFile::Status::TooLarge:
            Notify(program, kMacroTooLargeMessage + QDir::toNativeSeparators(macroPath));
            return false;
        case SafeFile::Status::Missing:
        case SafeFile::Status::NotRegular:
            Notify(program, kMacroUnreadableMessage + QDir::toNativeSeparators(macroPath));
            return false;
        case SafeFile::Status::Link:
        case SafeFile::Status::Failed:
            break;
    }
    if (!macro.isReadable()) {
        Notify(program, kMacroUnreadableMessage + QDir::toNativeSeparators(macroPath));
    } else {
        Notify(program, kApplyFilesMessage);
    }
    return false;
}

bool ApplyMacroBytes(Program& program, const QByteArray& macro) {
    const MacroRunLock lock(program.Folder());
    if (OwnFolder(program, lock) != StartupOutcome::Done) return false;
    if (!WorkingFiles::LoadWorkBytes(program.Folder(), macro)) {
        Notify(program, kApplyFilesMessage);
        return false;
    }
    return EmptyDefinesAndRun(program);
}

}  // namespace glimtex
