// One run of the pass loop in a scratch program folder. The input is cut at 0xFF
// bytes: the first part is the work file Buf.df, the others are the files a, b, c,
// ... of both the Include and the Macro folder.

#include "FuzzSupport.h"
#include "core/ProgramFolder.h"
#include "macro/Preprocessor.h"
#include "macro/WorkingFiles.h"

using namespace glimtex;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnsureApplication();
    fuzz::ScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = fuzz::Parts(data, size);
    constexpr int kFiles = 4;
    fuzz::WriteFile(QStringLiteral("Buf.df"), parts.value(0));
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QString(QChar(u'a' + i));
        const QByteArray bytes = parts.value(i + 1);
        fuzz::WriteFile(QStringLiteral("Include/") + name, bytes);
        fuzz::WriteFile(QStringLiteral("Macro/") + name, bytes);
    }
    fuzz::RemoveFile(QStringLiteral("Include.df"));
    const ProgramFolder folder(fuzz::ScratchFolder());
    if (!WorkingFiles::EmptyDefineTable(folder) || !WorkingFiles::EmptyMacroList(folder)) {
        fuzz::Fail("cannot empty the side files");
    }
    fuzz::QuietFeedback feedback;
    Preprocessor preprocessor(folder, feedback);
    // Small bounds keep every run short; a macro that reaches them is stopped.
    PreprocessLimits limits;
    limits.maxCycles = 6;
    limits.maxWorkChars = 64 * 1024;
    preprocessor.SetLimits(limits);
    const bool settled = preprocessor.RunPassLoop();
    if (preprocessor.PassCount() > 2 * limits.maxCycles) fuzz::Fail("too many passes");
    if (settled && preprocessor.RunsAgain() &&
        preprocessor.LastPassOutcome() == PassOutcome::Done) {
        fuzz::Fail("the loop ended while a pass asked for another");
    }
    return 0;
}
