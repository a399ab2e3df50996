#include <benchmark/benchmark.h>

#include "core/DecorationSettings.h"
#include "html/HtmlGenerator.h"

namespace {

// A line of mixed Japanese and ASCII text with a red-to-blue gradation and the lens shape.
glimtex::DecorationSettings LensGradation(int length) {
    glimtex::DecorationSettings s;
    const QString pattern = QStringLiteral("グラデーションText");
    for (int k = 0; k < length; ++k) s.text += pattern[k % pattern.size()];
    s.size = 7;
    s.colorStyle = glimtex::ColorStyle::Gradation;
    s.colors = {glimtex::ColorTriple{255, 0, 0}, glimtex::ColorTriple{0, 0, 255}};
    s.shape = glimtex::SizeShape::Lens;
    s.background = glimtex::Background::Color;
    s.backgroundColor = {255, 255, 204};
    s.link = glimtex::LinkStyle::None;
    s.face = QStringLiteral("Arial");
    return s;
}

// range(0): characters; range(1): 0 the closed fragment, 1 the old bytes.
void BM_BuildLensGradation(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    glimtex::DecorationSettings s = LensGradation(length);
    if (state.range(1) == 1) s.format = glimtex::FragmentFormat::Legacy;
    glimtex::HtmlGenerator generator;
    for (auto _ : state) {
        const bool built = generator.Build(s);
        benchmark::DoNotOptimize(built);
        benchmark::DoNotOptimize(generator.Fragment().constData());
    }
    state.SetItemsProcessed(state.iterations() * length);
    state.counters["ns_per_char"] = benchmark::Counter(
        static_cast<double>(length),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_BuildLensGradation)
    ->ArgsProduct({{1000, 32767}, {0, 1}})
    ->ArgNames({"chars", "legacy"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
