// The start-up in the process: the title window's load (the bundled Default) and
// its picture, then the main window after "開始". The time from process start is
// measured under Xvfb by bench/startup_bench.sh.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/Program.h"
#include "engine/Startup.h"
#include "gui/TitleView.h"
#include "gui/Views.h"
#include "support/ProgramFolderCopy.h"
#include "support/RecordingFeedback.h"

namespace {

using namespace glimtex;

class NoClipboard : public Clipboard {
  public:
    void SetText(const QString&) override {}
};

void BM_TitleWindowThenMainWindow(benchmark::State& state) {
    QTemporaryDir dir;
    testing::CopyFolder(QStringLiteral(GLIMTEX_DATA_DIR), dir.path());
    RecordingFeedback feedback;
    NoClipboard clipboard;
    for (auto _ : state) {
        Program program(dir.path(), feedback, clipboard);
        gui::Views views(program);
        Startup startup(program.Core());
        startup.Run();
        gui::TitleView title(startup.CodeLabel());
        title.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&title));
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&views.ShowMainWindow()));
    }
}
BENCHMARK(BM_TitleWindowThenMainWindow)->Unit(benchmark::kMillisecond);

void BM_TitlePicture(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(gui::DrawTitlePicture());
}
BENCHMARK(BM_TitlePicture)->Unit(benchmark::kMillisecond);

}  // namespace
