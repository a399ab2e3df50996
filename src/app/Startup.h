#pragma once

#include <QString>

namespace glimtex {

class Program;

// The build identifier shown on the title window.
inline const QString kBuildIdentifier = QStringLiteral("4.320");

// The title window's load step: prepares the working files in the program folder,
// copies Default to Buf.df, preprocesses it to a fixed point and runs it.
// Problems are reported through the program's Feedback; it never stops the program.
class Startup {
public:
    explicit Startup(Program& program);
    void Run();
    const QString& CodeLabel() const { return codeLabel_; }

private:
    Program& program_;
    QString codeLabel_;
};

// Applies a macro as the macro picker does: copy it to Buf.df, empty Define.df,
// the pass loop, then the statements. Returns false when the file cannot be read.
bool ApplyMacro(Program& program, const QString& macroPath);

}  // namespace glimtex
