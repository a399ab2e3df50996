// glimtex-render: the start-up and the macros without any window; prints the HTML.

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>

#include "app/Program.h"
#include "app/Startup.h"
#include "cli/ConsoleFeedback.h"
#include "cli/ConsoleText.h"
#include "cli/MacroSource.h"
#include "cli/RenderOptions.h"

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

int Render(const RenderOptions& options) {
    const TextEncoding encoding = options.encoding;
    const QString programDir =
        options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
    if (!QFileInfo(programDir).isDir()) {
        return Fail(QStringLiteral("program folder not found: ") + programDir, encoding);
    }
    MacroSource macro;
    if (!options.macroPath.isEmpty() && !macro.Prepare(options, programDir)) {
        return Fail(macro.Error(), encoding);
    }

    ConsoleFeedback feedback(encoding);
    NullClipboard clipboard;
    Program program(programDir, feedback, clipboard);
    // The windows a run closes are deleted from the event loop, which this program
    // never runs. They go all at once before the program does, instead of one by one
    // with it, which searches the queue of posted events for each of them.
    const auto deleteClosedWindows =
        qScopeGuard([] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); });
    Startup startup(program);
    startup.Run();
    if (startup.Outcome() == StartupOutcome::WorkFilesUnwritable) {
        return Fail(QStringLiteral("cannot write the working files in ") + programDir, encoding);
    }
    if (!options.macroPath.isEmpty() && !ApplyMacro(program, macro.Path())) {
        return Fail(QStringLiteral("cannot apply macro file: ") + options.macroPath, encoding);
    }
    const QString& collected = program.Settings().HTMLString;
    if (!WriteText(stdout, collected, encoding) || !WriteText(stdout, u"\n", encoding)) {
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
        return WriteText(stdout, UsageText(), TextEncoding::Utf8) ? kExitDone : kExitUsageOrFile;
    }
    return Render(parsed.options);
}
