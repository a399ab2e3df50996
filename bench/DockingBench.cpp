#include <benchmark/benchmark.h>

#include <algorithm>

#include "core/DecorationSettings.h"
#include "html/HtmlGenerator.h"

namespace {

// The long-line case of bench/docking_bench.sh without the program around it: one
// create and nine dockings of a line with a gradation and the lens pattern, built
// onto a collection that keeps its room from one iteration to the next, so that the
// figure is the work itself, without the first touch of fresh memory.
glimtex::DecorationSettings LensGradation(int length) {
    glimtex::DecorationSettings s;
    const QString pattern = QStringLiteral("グラデーションText");
    for (int k = 0; k < length; ++k) s.text += pattern[k % pattern.size()];
    s.size = 7;
    s.colorStyle = glimtex::ColorStyle::Gradation;
    s.colors = {glimtex::ColorTriple{255, 0, 0}, glimtex::ColorTriple{0, 0, 255}};
    s.shape = glimtex::SizeShape::Lens;
    s.background = glimtex::Background::None;
    s.link = glimtex::LinkStyle::None;
    s.face = QStringLiteral("NULL");
    return s;
}

void BM_CreateAndNineDockings(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    const glimtex::DecorationSettings s = LensGradation(length);
    glimtex::HtmlGenerator generator;
    QString collected;
    for (auto _ : state) {
        collected.resize(0);
        for (int run = 0; run < 10; ++run) {
            const bool built = generator.BuildOnto(s, collected);
            benchmark::DoNotOptimize(built);
        }
        benchmark::DoNotOptimize(collected.constData());
    }
    state.counters["ns_per_char_and_fragment"] = benchmark::Counter(
        10.0 * length, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The same, then the collection encoded to UTF-8 in pieces as glimtex-render writes it.
void BM_CreateNineDockingsAndWrite(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    const glimtex::DecorationSettings s = LensGradation(length);
    glimtex::HtmlGenerator generator;
    QString collected;
    for (auto _ : state) {
        collected.resize(0);
        for (int run = 0; run < 10; ++run) generator.BuildOnto(s, collected);
        QStringView rest(collected);
        qsizetype bytes = 0;
        while (!rest.isEmpty()) {
            const qsizetype units = std::min<qsizetype>(8192, rest.size());
            bytes += rest.first(units).toUtf8().size();
            rest = rest.sliced(units);
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["ns_per_char_and_fragment"] = benchmark::Counter(
        10.0 * length, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The many-dockings case of bench/docking_bench.sh without the program around it:
// range(0) dockings of a short line onto a fresh collection. The time per fragment
// stays flat from 2,000 to 8,000 while the collection grows without copying itself
// once per docking.
void BM_ManyDockingsOfAShortLine(benchmark::State& state) {
    const auto dockings = static_cast<int>(state.range(0));
    glimtex::DecorationSettings s;
    s.text = QStringLiteral("見出しの文字列その1：Glimtex!");
    s.colorStyle = glimtex::ColorStyle::Single;
    s.shape = glimtex::SizeShape::Standard;
    s.background = glimtex::Background::None;
    s.link = glimtex::LinkStyle::None;
    s.face = QStringLiteral("NULL");
    glimtex::HtmlGenerator generator;
    for (auto _ : state) {
        QString collected;
        for (int run = 0; run < dockings; ++run) {
            const bool built = generator.BuildOnto(s, collected);
            benchmark::DoNotOptimize(built);
        }
        benchmark::DoNotOptimize(collected.constData());
    }
    state.counters["ns_per_fragment"] = benchmark::Counter(
        dockings, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_CreateAndNineDockings)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ManyDockingsOfAShortLine)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateNineDockingsAndWrite)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
