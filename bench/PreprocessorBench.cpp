#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "core/Feedback.h"
#include "core/ProgramFolder.h"
#include "macro/Preprocessor.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"
#include "support/RecordingFeedback.h"

namespace {

using namespace glimtex;

constexpr int kDefinitions = 200;
constexpr int kIncludes = 20;
constexpr int kIncludeLines = 10;

QString Name(int i) { return QStringLiteral("_NAME%1").arg(i, 3, 10, QChar(u'0')); }

// A macro of `lines` lines: the definitions first, then statements that use them,
// with comments, indentation, conditional blocks and the includes spread among them.
QStringList MacroLines(int lines) {
    QStringList macro;
    for (int i = 0; i < kDefinitions; ++i) {
        macro << QStringLiteral("#DEFINE %1 __値 %2").arg(Name(i)).arg(i);
    }
    const int body = lines - kDefinitions;
    const int includeEvery = body / kIncludes;
    for (int i = 0; macro.size() < lines; ++i) {
        if (i % includeEvery == 0 && i / includeEvery < kIncludes) {
            macro << QStringLiteral("#INCLUDE \"part%1\"").arg(i / includeEvery);
        } else if (i % 50 == 1) {
            macro << QStringLiteral("#IF 1") << QStringLiteral("\tSet.MojiSize = 3")
                  << QStringLiteral("#ELSE") << QStringLiteral("\tSet.MojiSize = 5")
                  << QStringLiteral("#ENDIF");
        } else if (i % 7 == 0) {
            macro << QStringLiteral("// 見出しの色を変える");
        } else {
            macro << QStringLiteral("\tSet.MainString  =  \"%1 と %2\"   // 注釈")
                         .arg(Name(i % kDefinitions), Name((i * 7) % kDefinitions));
        }
    }
    return macro.mid(0, lines);
}

QStringList IncludeLines(int part) {
    QStringList lines;
    for (int i = 0; i < kIncludeLines; ++i) {
        lines << QStringLiteral("Set.ColorData(0) = \"%1\"").arg(Name((part * 10 + i) % 200));
    }
    return lines;
}

void PassLoopToFixedPoint(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    QTemporaryDir temp;
    QDir dir(temp.path());
    dir.mkdir(QStringLiteral("Include"));
    const ProgramFolder folder(temp.path());
    for (int part = 0; part < kIncludes; ++part) {
        TextFile::WriteLines(folder.IncludeFile(QStringLiteral("part%1").arg(part)),
                             IncludeLines(part));
    }
    const QString macro = folder.File(QStringLiteral("Default"));
    TextFile::WriteLines(macro, MacroLines(lines));

    RecordingFeedback feedback;
    for (auto _ : state) {
        state.PauseTiming();
        WorkingFiles::EmptyDefineTable(folder);
        WorkingFiles::LoadWorkFile(folder, macro);
        Preprocessor preprocessor(folder, feedback);
        state.ResumeTiming();
        const bool settled = preprocessor.RunPassLoop();
        benchmark::DoNotOptimize(settled);
        state.counters["passes"] = preprocessor.PassCount();
    }
    if (feedback.beeps != 0) {
        state.SkipWithError("the synthetic macro beeped");
    }
    state.SetComplexityN(lines);
}

BENCHMARK(PassLoopToFixedPoint)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(8000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A macro of n #ADDITEM lines over 500 macro files (each registered once, then found
// listed), against a list that already holds a thousand entries.
void AddItemLines(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    QTemporaryDir temp;
    QDir(temp.path()).mkdir(QStringLiteral("Macro"));
    const ProgramFolder folder(temp.path());
    constexpr int kFiles = 500;
    for (int k = 0; k < kFiles; ++k) {
        TextFile::WriteLines(folder.MacroFile(QStringLiteral("m%1").arg(k)),
                             {QStringLiteral("#HEAD \"見出し%1\",\"説明%1\"").arg(k)});
    }
    QStringList list;
    for (int k = 0; k < 1000; ++k) list << QStringLiteral("\"old%1\",\"t\",\"d\"").arg(k);
    QStringList macro;
    for (int k = 0; k < lines; ++k) macro << QStringLiteral("#ADDITEM \"m%1\"").arg(k % kFiles);
    const QString source = folder.File(QStringLiteral("Default"));
    TextFile::WriteLines(source, macro);

    RecordingFeedback feedback;
    for (auto _ : state) {
        state.PauseTiming();
        TextFile::WriteLines(folder.File(WorkingFiles::kMacroList), list);
        WorkingFiles::EmptyDefineTable(folder);
        WorkingFiles::LoadWorkFile(folder, source);
        Preprocessor preprocessor(folder, feedback);
        state.ResumeTiming();
        const bool settled = preprocessor.RunPassLoop();
        benchmark::DoNotOptimize(settled);
    }
    if (feedback.beeps != 0) state.SkipWithError("the macro beeped");
}

BENCHMARK(AddItemLines)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
