// Substitution by the define table on one long line: the time and the steps taken
// (characters scanned, compared and copied) per character of the line, for many
// key lengths and for many keys each used once.

#include <benchmark/benchmark.h>
#include <QString>
#include <QStringList>

#include "macro/DefineTable.h"

namespace {

using namespace glimtex;

void Measure(benchmark::State& state, const DefineTable& table, const QString& line) {
    qint64 work = 0;
    for (auto _ : state) {
        const qint64 before = table.Work();
        benchmark::DoNotOptimize(table.Substitute(line));
        work = table.Work() - before;
    }
    state.counters["steps_per_char"] = static_cast<double>(work) / static_cast<double>(line.size());
    state.SetComplexityN(line.size());
}

// Keys "_", "__", ... of range(0) lengths, all occurring at every place of a line of
// underscores: looking up every key length at every place was length x keys.
void ManyKeyLengths(benchmark::State& state) {
    DefineTable table;
    for (int length = 1; length <= state.range(0); ++length) {
        table.Add(QString(length, u'_') + QStringLiteral(" v"));
    }
    Measure(state, table, QString(static_cast<qsizetype>(state.range(1)), u'_'));
}
BENCHMARK(ManyKeyLengths)
    ->Args({1000, 125000})
    ->Args({1000, 250000})
    ->Args({1000, 500000})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// range(0) keys, each used once on the line, in the order they were defined.
void ManyKeysUsedOnce(benchmark::State& state) {
    DefineTable table;
    QStringList uses;
    for (int i = 0; i < state.range(0); ++i) {
        const QString key = QStringLiteral("_D%1").arg(i, 5, 10, QChar(u'0'));
        table.Add(key + QStringLiteral(" 値%1").arg(i));
        uses << key;
    }
    Measure(state, table, uses.join(u' '));
}
BENCHMARK(ManyKeysUsedOnce)
    ->Arg(7500)
    ->Arg(15000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
