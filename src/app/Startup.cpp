#include "app/Startup.h"

#include <QDir>
#include <QFileInfo>

#include "app/MacroInterpreter.h"
#include "app/Program.h"
#include "macro/Preprocessor.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

const QString kDefaultMissingMessage =
    QStringLiteral("起動マクロ Default が見つかりません。既定の設定で起動します。");
const QString kDefaultUnreadableMessage =
    QStringLiteral("起動マクロ Default を読み込めません。既定の設定で起動します。");
const QString kStartupFilesMessage =
    QStringLiteral("作業ファイルを書き込めません。既定の設定で起動します。");
const QString kPassLoopStoppedMessage =
    QStringLiteral("マクロの展開が終わりません。処理を中止しました。");
const QString kMacroUnreadableMessage = QStringLiteral("マクロファイルを読み込めません：");
const QString kApplyFilesMessage =
    QStringLiteral("作業ファイルを書き込めません。マクロを適用できませんでした。");

namespace {

const QString kStartupMacro = QStringLiteral("Default");

void Notify(Program& program, const QString& text) {
    program.UserFeedback().ShowNotice(kNoticeTitle, text);
}

// Expands Buf.df to a fixed point and runs its statements. False when the
// expansion had to be stopped; the statements are then not run.
bool ExpandAndRun(Program& program) {
    Preprocessor preprocessor(program.Folder(), program.Settings(), program.UserFeedback());
    if (!preprocessor.RunPassLoop(WorkingFiles::kWorkFile)) {
        Notify(program, kPassLoopStoppedMessage);
        return false;
    }
    MacroInterpreter(program).MacroRun(WorkingFiles::kWorkFile);
    return true;
}

}  // namespace

Startup::Startup(Program& program) : program_(program) {}

void Startup::Run() {
    codeLabel_ = kBuildIdentifier;
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
    if (!startupMacro.isFile()) {
        Notify(program_, kDefaultMissingMessage);
        return StartupOutcome::DefaultMissing;
    }
    if (!WorkingFiles::LoadWorkFile(folder, startupMacro.absoluteFilePath())) {
        if (!startupMacro.isReadable()) {
            Notify(program_, kDefaultUnreadableMessage);
            return StartupOutcome::DefaultUnreadable;
        }
        Notify(program_, kStartupFilesMessage);
        return StartupOutcome::WorkFilesUnwritable;
    }
    return StartupOutcome::Done;
}

bool ApplyMacro(Program& program, const QString& macroPath) {
    const QFileInfo macro(macroPath);
    if (!macro.isFile() || !macro.isReadable()) {
        Notify(program, kMacroUnreadableMessage + QDir::toNativeSeparators(macroPath));
        return false;
    }
    const ProgramFolder& folder = program.Folder();
    if (!WorkingFiles::LoadWorkFile(folder, macro.absoluteFilePath()) ||
        !WorkingFiles::EmptyDefineTable(folder)) {
        Notify(program, kApplyFilesMessage);
        return false;
    }
    ExpandAndRun(program);
    return true;
}

}  // namespace glimtex
