// glimtex-render: the start-up and the macros without any window; prints the HTML.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/Program.h"
#include "app/Startup.h"
#include "cli/ConsoleFeedback.h"
#include "cli/ConsoleText.h"
#include "cli/RenderOptions.h"
#include "macro/WorkingFiles.h"

using namespace glimtex;
using namespace glimtex::cli;

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsageOrFile = 2;

// True when the file is one of the working files that the start-up and the macro
// run rewrite in the program folder.
bool IsWorkingFile(const QFileInfo& file, const QString& programDir) {
    const QString path = file.canonicalFilePath();
    const QDir folder(programDir);
    for (const QString& name : {WorkingFiles::kWorkFile, WorkingFiles::kDefineTable,
                                WorkingFiles::kMacroList, WorkingFiles::kIncludeCopy}) {
        if (QFileInfo(folder.filePath(name)).canonicalFilePath() == path) return true;
    }
    return false;
}

int Fail(const QString& message, OutputEncoding encoding = OutputEncoding::Utf8) {
    WriteLine(stderr, QStringLiteral("glimtex-render: ") + message, encoding);
    return kExitUsageOrFile;
}

int Render(const RenderOptions& options) {
    const OutputEncoding encoding = options.encoding;
    const QString programDir =
        options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
    if (!QFileInfo(programDir).isDir()) {
        return Fail(QStringLiteral("program folder not found: ") + programDir, encoding);
    }
    // MACRO is taken as typed, relative to the current directory.
    QString macroPath;
    if (!options.macroPath.isEmpty()) {
        const QFileInfo macro(options.macroPath);
        if (!macro.isFile() || !macro.isReadable()) {
            return Fail(QStringLiteral("cannot read macro file: ") + options.macroPath, encoding);
        }
        if (IsWorkingFile(macro, programDir)) {
            return Fail(QStringLiteral("the macro file is a working file of the program folder, "
                                       "which the run would overwrite: ") +
                            options.macroPath,
                        encoding);
        }
        macroPath = macro.absoluteFilePath();
    }

    ConsoleFeedback feedback(encoding);
    NullClipboard clipboard;
    Program program(programDir, feedback, clipboard);
    Startup startup(program);
    startup.Run();
    if (startup.Outcome() == StartupOutcome::WorkFilesUnwritable) {
        return Fail(QStringLiteral("cannot write the working files in ") + programDir, encoding);
    }
    if (!macroPath.isEmpty() && !ApplyMacro(program, macroPath)) {
        return Fail(QStringLiteral("cannot apply macro file: ") + options.macroPath, encoding);
    }
    if (!WriteText(stdout, program.Settings().HTMLString + u'\n', encoding)) {
        return Fail(QStringLiteral("cannot write standard output"), encoding);
    }
    return feedback.GenerationRefused() ? kExitRefused : kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const ParsedOptions parsed = ParseRenderOptions(QCoreApplication::arguments().mid(1));
    if (!parsed.ok()) return Fail(parsed.error + QStringLiteral(" (see --help)"));
    if (parsed.options.help) {
        return WriteText(stdout, UsageText(), OutputEncoding::Utf8) ? kExitDone : kExitUsageOrFile;
    }
    return Render(parsed.options);
}
