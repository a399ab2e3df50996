#include "macro/Preprocessor.h"

namespace glimtex {

Preprocessor::Preprocessor(const ProgramFolder& folder, DecorationSettings& settings,
                           Feedback& feedback)
    : folder_(folder), settings_(settings), feedback_(feedback) {}

void Preprocessor::MacroPreprocess(const QString& fileName) {
    ++passCount_;
    PreprocessPass pass(folder_, settings_, feedback_, limits_);
    lastOutcome_ = pass.Run(fileName);
}

bool Preprocessor::RunPassLoop(const QString& fileName) {
    constexpr int16_t kAgain = -1;
    constexpr int kPassesPerCycle = 2;
    for (int cycle = 0;; ++cycle) {
        if (cycle >= limits_.maxCycles) {
            feedback_.Beep();  // the macro never settles
            return false;
        }
        settings_.PreprocessAgain = 0;
        for (int pass = 0; pass < kPassesPerCycle; ++pass) {
            MacroPreprocess(fileName);
            if (lastOutcome_ == PassOutcome::WorkFileMissing) {
                return true;  // nothing to expand; the pass has beeped
            }
            if (lastOutcome_ == PassOutcome::Stopped || lastOutcome_ == PassOutcome::FileTooLarge ||
                lastOutcome_ == PassOutcome::TooLong) {
                return false;
            }
        }
        if (settings_.PreprocessAgain != kAgain) {
            return true;
        }
    }
}

}  // namespace glimtex
