// glimtex-render: the start-up and the macros without any window; prints the HTML.

#include <QCoreApplication>
#include <QFileInfo>

#include "cli/ConsoleFeedback.h"
#include "cli/ConsoleText.h"
#include "cli/Cp932Replacements.h"
#include "cli/EncodedCollection.h"
#include "cli/MacroSource.h"
#include "cli/RegisteredMacroCommands.h"
#include "cli/RenderOptions.h"
#include "engine/Engine.h"
#include "engine/MacroRunLock.h"
#include "engine/ProgramFolderChoice.h"
#include "engine/RegisteredMacros.h"
#include "engine/Startup.h"
#include "macro/WorkingFiles.h"

using namespace glimtex;
using namespace glimtex::cli;

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsageOrFile = 2;

int Fail(const QString& message, TextEncoding encoding = TextEncoding::Utf8) {
    WriteLine(stderr, QStringLiteral("glimtex-render: ") + message, encoding);
    return kExitUsageOrFile;
}

// Why the run must leave the program folder alone (followed by the folder), or
// nothing: another run kept it, it cannot be written, or a working file is a link.
QString FolderRefusal(const MacroRunLock& lock, const ProgramFolder& folder) {
    switch (lock.Status()) {
        case MacroRunLock::State::Held:
            break;
        case MacroRunLock::State::Busy:
            return QStringLiteral(
                       "the program folder is in use by another run, which did not "
                       "end within %1 s: ")
                .arg(MacroRunLock::kDefaultWait.count() / 1000);
        case MacroRunLock::State::Unsafe:
            return MacroRunLock::kFileName +
                   QStringLiteral(
                       " is a link or not a plain file; the program folder is left "
                       "alone: ");
        case MacroRunLock::State::Failed:
            return QStringLiteral("cannot write the working files in ");
    }
    const QString unsafe = WorkingFiles::FirstUnsafe(folder);
    if (!unsafe.isEmpty()) {
        return QStringLiteral("the working file ") + unsafe +
               QStringLiteral(" is a link or not a plain file; the program folder is left alone: ");
    }
    return QString();
}

int Render(const RenderOptions& options) {
    const TextEncoding encoding = options.encoding;
    ProgramFolderChoice choice(ProgramFolderPlaces::ForThisProcess(options.programDir));
    if (!choice.Prepare()) return Fail(choice.Error(), encoding);
    const QString programDir = choice.Path();
    if (!QFileInfo(programDir).isDir()) {
        return Fail(QStringLiteral("program folder not found: ") + programDir, encoding);
    }
    MacroSource macro;
    if (!options.macroPath.isEmpty() && !macro.Prepare(options, programDir)) {
        return Fail(macro.Error(), encoding);
    }

    // The whole run, start-up and macro, owns the folder: another run on it waits.
    const ProgramFolder folder(programDir);
    const MacroRunLock lock(folder);
    const QString refusal = FolderRefusal(lock, folder);
    if (!refusal.isEmpty()) return Fail(refusal + programDir, encoding);

    ConsoleFeedback feedback(encoding);
    Engine engine(programDir, feedback);
    if (options.format) engine.PinOutputFormat(*options.format);
    // Nothing here reads the fragments back: each is kept only as the bytes written
    // at the end.
    EncodedCollection collected(encoding);
    engine.SendFragmentsTo(&collected);
    Startup startup(engine);
    startup.Run();
    switch (startup.Outcome()) {
        case StartupOutcome::WorkFilesUnwritable:
        case StartupOutcome::FolderBusy:
        case StartupOutcome::WorkingFileUnsafe:
            return Fail(QStringLiteral("cannot write the working files in ") + programDir,
                        encoding);
        default:
            break;
    }
    if ((options.listMacros || options.applyTitle) && MacroListTooLarge(engine.Folder())) {
        return Fail(QStringLiteral("MacroList.df is larger than 2 MiB and is not read: ") +
                        engine.Folder().File(QStringLiteral("MacroList.df")),
                    encoding);
    }
    if (options.listMacros) {
        if (!PrintRegisteredMacros(engine.Folder(), encoding)) {
            return Fail(QStringLiteral("cannot write standard output"), encoding);
        }
        return kExitDone;
    }
    if (!options.macroPath.isEmpty() && !ApplyMacroBytes(engine, macro.Bytes())) {
        return Fail(QStringLiteral("cannot apply macro file: ") + options.macroPath, encoding);
    }
    if (options.applyTitle) {
        const MacroChoice picked = ChooseRegisteredMacro(engine.Folder(), *options.applyTitle);
        if (!picked.error.isEmpty()) return Fail(picked.error, encoding);
        if (!ApplyRegisteredMacro(engine, picked.file)) {
            return Fail(QStringLiteral("cannot apply macro file: Macro/") + picked.file, encoding);
        }
    }
    const OutputBytes& bytes = collected.Bytes();
    if (std::fwrite(bytes.Data(), 1, bytes.Size(), stdout) != bytes.Size() ||
        std::fputc('\n', stdout) == EOF || std::fflush(stdout) != 0) {
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
        const ProgramFolderChoice folder(
            ProgramFolderPlaces::ForThisProcess(parsed.options.programDir));
        const QString usage = UsageText() + QStringLiteral("\nProgram folder of this run: ") +
                              folder.Description() + u'\n';
        return WriteText(stdout, usage, TextEncoding::Utf8) ? kExitDone : kExitUsageOrFile;
    }
    if (parsed.options.version) {
        return WriteText(stdout, VersionLine(), TextEncoding::Utf8) ? kExitDone : kExitUsageOrFile;
    }
    const int status = Render(parsed.options);
    if (const QString replaced = Cp932Replacements::Report(); !replaced.isEmpty()) {
        WriteLine(stderr, QStringLiteral("glimtex-render: ") + replaced, parsed.options.encoding);
    }
    return status;
}
