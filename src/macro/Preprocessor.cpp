#include "macro/Preprocessor.h"

namespace glimtex {

Preprocessor::Preprocessor(const ProgramFolder& folder, Feedback& feedback)
    : folder_(folder), feedback_(feedback) {}

void Preprocessor::Preprocess(const QString& fileName) {
    ++passCount_;
    PreprocessPass pass(folder_, feedback_, limits_, again_);
    const PassResult result = pass.Run(fileName);
    lastOutcome_ = result.outcome;
    again_ = result.again;
}

bool Preprocessor::RunPassLoop(const QString& fileName) {
    constexpr int kPassesPerCycle = 2;
    for (int cycle = 0;; ++cycle) {
        if (cycle >= limits_.maxCycles) {
            feedback_.Beep();  // the macro never settles
            return false;
        }
        again_ = false;
        for (int pass = 0; pass < kPassesPerCycle; ++pass) {
            Preprocess(fileName);
            if (lastOutcome_ == PassOutcome::WorkFileMissing) {
                return true;  // nothing to expand; the pass has beeped
            }
            if (lastOutcome_ == PassOutcome::Stopped || lastOutcome_ == PassOutcome::FileTooLarge ||
                lastOutcome_ == PassOutcome::TooLong) {
                return false;
            }
        }
        if (!again_) {
            return true;
        }
    }
}

}  // namespace glimtex
