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

namespace {

// The same line as a rainbow: range(0) 0 is today's two colours in RGB in the "HTML"
// format, 1 seven stops mixed in OKLab in the CSS format.
void BM_BuildRainbow(benchmark::State& state) {
    constexpr int kLength = 32767;
    glimtex::DecorationSettings s = LensGradation(kLength);
    if (state.range(0) == 1) {
        s.format = glimtex::FragmentFormat::Css;
        s.gradientSpace = glimtex::GradientSpace::Oklab;
        s.colors = {glimtex::ColorTriple{255, 0, 0}, glimtex::ColorTriple{255, 165, 0}};
        s.moreStops = {{255, 255, 0}, {0, 128, 0}, {0, 0, 255}, {75, 0, 130}, {238, 130, 238}};
    }
    glimtex::HtmlGenerator generator;
    for (auto _ : state) {
        const bool built = generator.Build(s);
        benchmark::DoNotOptimize(built);
        benchmark::DoNotOptimize(generator.Fragment().constData());
    }
    state.counters["ns_per_char"] = benchmark::Counter(
        static_cast<double>(kLength),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_BuildRainbow)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("seven_oklab_css")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
