// The statement interpreter on any work file, in a scratch program folder: every
// statement runs against a fresh program, and generations that it asks for run too.

#include "FuzzSupport.h"
#include "app/Program.h"
#include "engine/MacroInterpreter.h"

using namespace glimtex;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnsureApplication();
    fuzz::ScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteFile(QStringLiteral("Buf.df"),
                    QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    fuzz::QuietFeedback feedback;
    fuzz::NoClipboard clipboard;
    {
        Program program(fuzz::ScratchFolder(), feedback, clipboard);
        MacroInterpreter(program.Core()).RunFile();
    }
    // Windows closed during the run are deleted later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
