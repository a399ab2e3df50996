#include "engine/Startup.h"

#include <QDir>
#include <QFileInfo>

#include "engine/Engine.h"
#include "engine/MacroInterpreter.h"
#include "engine/MacroRunLock.h"
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

void Notify(Engine& engine, const QString& text) {
    engine.UserFeedback().ShowNotice(kNoticeTitle, text);
}

// Takes the program folder for a run, or tells why it cannot: another run keeps
// it, or a working file (or the lock file) is a link or not a plain file.
StartupOutcome OwnFolder(Engine& engine, const MacroRunLock& lock) {
    switch (lock.Status()) {
        case MacroRunLock::State::Held:
            break;
        case MacroRunLock::State::Busy:
            Notify(engine, kFolderBusyMessage);
            return StartupOutcome::FolderBusy;
        case MacroRunLock::State::Unsafe:
            Notify(engine, kUnsafeWorkingFileMessage + MacroRunLock::kFileName);
            return StartupOutcome::WorkingFileUnsafe;
        case MacroRunLock::State::Failed:
            Notify(engine, kStartupFilesMessage);
            return StartupOutcome::WorkFilesUnwritable;
    }
    const QString unsafe = WorkingFiles::FirstUnsafe(engine.Folder());
    if (!unsafe.isEmpty()) {
        Notify(engine, kUnsafeWorkingFileMessage + unsafe);
        return StartupOutcome::WorkingFileUnsafe;
    }
    // A run that was killed while it replaced a file left its temporary file.
    WorkingFiles::RemoveLeftovers(engine.Folder());
    return StartupOutcome::Done;
}

// Expands Buf.df to a fixed point and runs its statements. False when the
// expansion had to be stopped; the statements are then not run.
bool ExpandAndRun(Engine& engine) {
    const NoticeBudget::Run run(engine.UserFeedback());
    Preprocessor preprocessor(engine.Folder(), engine.UserFeedback());
    if (!preprocessor.RunPassLoop(WorkingFiles::kWorkFile)) {
        switch (preprocessor.LastPassOutcome()) {
            case PassOutcome::FileTooLarge:
                Notify(engine, kPassLoopFileTooLargeMessage);
                break;
            case PassOutcome::TooLong:
                Notify(engine, kPassLoopTooLongMessage);
                break;
            default:
                Notify(engine, kPassLoopStoppedMessage);
                break;
        }
        return false;
    }
    MacroInterpreter(engine).RunFile(WorkingFiles::kWorkFile);
    return true;
}

}  // namespace

Startup::Startup(Engine& engine) : engine_(engine) {}

void Startup::Run() {
    codeLabel_ = kBuildIdentifier;
    const MacroRunLock lock(engine_.Folder());
    outcome_ = OwnFolder(engine_, lock);
    if (outcome_ != StartupOutcome::Done) return;
    outcome_ = Prepare();
    if (outcome_ != StartupOutcome::Done) return;
    if (!ExpandAndRun(engine_)) outcome_ = StartupOutcome::PassLoopStopped;
}

// Empties the side files and copies Default over the work file. Every failure is
// told to the user; the program then goes on with the main window's defaults.
StartupOutcome Startup::Prepare() {
    const ProgramFolder& folder = engine_.Folder();
    if (!WorkingFiles::EmptyDefineTable(folder) || !WorkingFiles::EmptyMacroList(folder)) {
        Notify(engine_, kStartupFilesMessage);
        return StartupOutcome::WorkFilesUnwritable;
    }
    const QFileInfo startupMacro(folder.File(kStartupMacro));
    if (!startupMacro.exists() || startupMacro.isDir()) {
        Notify(engine_, startupMacro.isSymLink() && !startupMacro.exists()
                            ? kDefaultDanglingMessage
                            : kDefaultMissingMessage);
        return StartupOutcome::DefaultMissing;
    }
    switch (
        WorkingFiles::LoadWork(folder, startupMacro.absoluteFilePath(), TextFile::kMaxFileBytes)) {
        case SafeFile::Status::Ok:
            return StartupOutcome::Done;
        case SafeFile::Status::Missing:
            Notify(engine_, kDefaultMissingMessage);
            return StartupOutcome::DefaultMissing;
        case SafeFile::Status::TooLarge:
            Notify(engine_, kDefaultTooLargeMessage);
            return StartupOutcome::DefaultUnreadable;
        case SafeFile::Status::NotRegular:
            Notify(engine_, kDefaultUnreadableMessage);
            return StartupOutcome::DefaultUnreadable;
        case SafeFile::Status::Link:
        case SafeFile::Status::Failed:
            break;
    }
    if (!startupMacro.isReadable()) {
        Notify(engine_, kDefaultUnreadableMessage);
        return StartupOutcome::DefaultUnreadable;
    }
    Notify(engine_, kStartupFilesMessage);
    return StartupOutcome::WorkFilesUnwritable;
}

namespace {

// The rest of an application once the macro is in Buf.df.
bool EmptyDefinesAndRun(Engine& engine) {
    if (!WorkingFiles::EmptyDefineTable(engine.Folder())) {
        Notify(engine, kApplyFilesMessage);
        return false;
    }
    ExpandAndRun(engine);
    return true;
}

}  // namespace

bool ApplyMacro(Engine& engine, const QString& macroPath) {
    const MacroRunLock lock(engine.Folder());
    if (OwnFolder(engine, lock) != StartupOutcome::Done) return false;
    const QFileInfo macro(macroPath);
    switch (WorkingFiles::LoadWork(engine.Folder(), macro.absoluteFilePath(),
                                   TextFile::kMaxFileBytes)) {
        case SafeFile::Status::Ok:
            return EmptyDefinesAndRun(engine);
        case SafeFile::Status::TooLarge:
            Notify(engine, kMacroTooLargeMessage + QDir::toNativeSeparators(macroPath));
            return false;
        case SafeFile::Status::Missing:
        case SafeFile::Status::NotRegular:
            Notify(engine, kMacroUnreadableMessage + QDir::toNativeSeparators(macroPath));
            return false;
        case SafeFile::Status::Link:
        case SafeFile::Status::Failed:
            break;
    }
    if (!macro.isReadable()) {
        Notify(engine, kMacroUnreadableMessage + QDir::toNativeSeparators(macroPath));
    } else {
        Notify(engine, kApplyFilesMessage);
    }
    return false;
}

bool ApplyMacroBytes(Engine& engine, const QByteArray& macro) {
    const MacroRunLock lock(engine.Folder());
    if (OwnFolder(engine, lock) != StartupOutcome::Done) return false;
    if (!WorkingFiles::LoadWorkBytes(engine.Folder(), macro)) {
        Notify(engine, kApplyFilesMessage);
        return false;
    }
    return EmptyDefinesAndRun(engine);
}

}  // namespace glimtex
