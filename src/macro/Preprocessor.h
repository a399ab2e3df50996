#pragma once

#include <QString>

#include "app/DecorationSettings.h"
#include "app/Feedback.h"
#include "macro/ProgramFolder.h"

namespace glimtex {

// Expands a macro work file in place, pass by pass: comments and white space,
// #DEFINE substitution, #IFDEF / #IF blocks, #INCLUDE and #ADDITEM.
class Preprocessor {
public:
    Preprocessor(const ProgramFolder& folder, DecorationSettings& settings, Feedback& feedback);

    // One pass over the named file (resolved in the program folder).
    void MacroPreprocess(const QString& fileName);

    // Cycles of two passes while a pass asks for another. Returns false when the
    // macro never settles and the loop was stopped (after a beep).
    bool RunPassLoop(const QString& fileName = QStringLiteral("Buf.df"));

private:
    const ProgramFolder& folder_;
    DecorationSettings& settings_;
    Feedback& feedback_;
};

}  // namespace glimtex
