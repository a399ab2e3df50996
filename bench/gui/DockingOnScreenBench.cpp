// A macro that docks many fragments, applied in the windowed program with the
// output window open: from the macro's start to the whole collection in the box.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/Program.h"
#include "engine/Startup.h"
#include "gui/OutputView.h"
#include "gui/Views.h"
#include "macro/TextFile.h"
#include "support/RecordingFeedback.h"

namespace {

using namespace glimtex;

class NoClipboard : public Clipboard {
  public:
    void SetText(const QString&) override {}
};

void BM_DockingMacroWithTheOutputWindowOpen(benchmark::State& state) {
    const auto dockings = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    TextFile::WriteLines(dir.filePath(QStringLiteral("Default")), {});
    QStringList macro{QStringLiteral("Set.MainString = \"Glimtexで二十文字の見出しを作ります\""),
                      QStringLiteral("Select.SpGroup = 0"), QStringLiteral("Object.CreateData")};
    for (int i = 1; i < dockings; ++i) macro << QStringLiteral("Object.PlusCreate");
    const QString path = dir.filePath(QStringLiteral("Docking"));
    TextFile::WriteLines(path, macro);

    RecordingFeedback feedback;
    NoClipboard clipboard;
    for (auto _ : state) {
        state.PauseTiming();
        Program program(dir.path(), feedback, clipboard);
        gui::Views views(program);
        Startup(program.Core()).Run();
        views.ShowMainWindow();
        program.Show<OutputWindowState>();
        QApplication::processEvents();
        state.ResumeTiming();

        ApplyMacro(program.Core(), path);
        // The result is on screen when the box holds the whole collection.
        auto* box = views.Output()->findChild<QPlainTextEdit*>(QStringLiteral("HTMLStringBox"));
        while (box->document()->blockCount() < dockings) QApplication::processEvents();
        benchmark::DoNotOptimize(box->document()->characterCount());
    }
    state.counters["dockings"] = dockings;
}
BENCHMARK(BM_DockingMacroWithTheOutputWindowOpen)
    ->Arg(2000)
    ->Arg(8000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
