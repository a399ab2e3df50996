#pragma once

#include <QString>

#include "core/Feedback.h"
#include "core/ProgramFolder.h"
#include "macro/PreprocessLimits.h"
#include "macro/PreprocessPass.h"

namespace glimtex {

// Expands a macro work file in place, pass by pass: comments and white space,
// #DEFINE substitution, #IFDEF / #IF blocks, #INCLUDE and #ADDITEM.
class Preprocessor {
  public:
    Preprocessor(const ProgramFolder& folder, Feedback& feedback);

    // One pass over the named file (resolved in the program folder), as one more pass
    // of the current cycle.
    void Preprocess(const QString& fileName);

    // Cycles of two passes while a pass asks for another. Returns false when the
    // loop was stopped (after a beep): the macro never settled within the cycle
    // bound, grew past the size bound, read a file over the bound (LastPassOutcome
    // FileTooLarge), or the work file could not be rewritten.
    // A missing work file only beeps; the loop then returns true at once.
    bool RunPassLoop(const QString& fileName = QStringLiteral("Buf.df"));

    // Passes run by this preprocessor so far, and how the last one ended.
    int PassCount() const { return passCount_; }
    PassOutcome LastPassOutcome() const { return lastOutcome_; }
    // True when a pass of the current cycle defined or included something, so that
    // another cycle follows; a cycle of the loop starts with false.
    bool RunsAgain() const { return again_; }

    const PreprocessLimits& Limits() const { return limits_; }
    void SetLimits(const PreprocessLimits& limits) { limits_ = limits; }

  private:
    const ProgramFolder& folder_;
    Feedback& feedback_;
    PreprocessLimits limits_;
    int passCount_ = 0;
    PassOutcome lastOutcome_ = PassOutcome::Done;
    bool again_ = false;
};

}  // namespace glimtex
