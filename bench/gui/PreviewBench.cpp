// The live preview after one keystroke: the main window's text changes by one
// character, the preview captures, builds its document and draws. Lines of a
// gradation with the lens pattern. Drawn offscreen.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/MainWindowState.h"
#include "app/PreviewState.h"
#include "app/Program.h"
#include "gui/PreviewView.h"
#include "support/RecordingFeedback.h"

namespace {

class NoClipboard : public glimtex::Clipboard {
  public:
    void SetText(const QString&) override {}
};

QString Line(int length) {
    const QString pattern = QStringLiteral("グラデーションText");
    QString line;
    for (int k = 0; k < length; ++k) line += pattern[k % pattern.size()];
    return line;
}

void BM_PreviewKeystroke(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    glimtex::RecordingFeedback feedback;
    NoClipboard clipboard;
    glimtex::Program program(dir.path(), feedback, clipboard);
    glimtex::DecorationForm& main = program.Form();
    main.SetSizeText(QStringLiteral("7"));
    main.SetShapeText(QStringLiteral("レンズ"));
    main.SetColorStyleText(QStringLiteral("グラデーション"));
    main.StoreColor(0, {255, 0, 0});
    main.StoreColor(1, {0, 0, 255});
    glimtex::gui::PreviewView view(program.Show<glimtex::PreviewState>());
    view.show();
    // The keystroke types the last character; the first drawing loads the fonts.
    const QString line = Line(length);
    const QString shorter = line.left(length - 1);
    auto* browser = view.findChild<QTextBrowser*>(QStringLiteral("PreviewBox"));
    auto keystroke = [&](const QString& text) {
        main.SetText(text);
        view.RefreshNow();
        benchmark::DoNotOptimize(browser->document()->size());  // the layout
        view.repaint();
    };
    keystroke(shorter);
    keystroke(line);
    bool full = false;
    for (auto _ : state) {
        keystroke(full ? line : shorter);
        full = !full;
    }
    state.SetComplexityN(length);
}
BENCHMARK(BM_PreviewKeystroke)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
