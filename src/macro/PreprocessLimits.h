#pragma once

#include <QtGlobal>

namespace glimtex {

// Bounds no real macro comes near. A macro that reaches one (a file that includes
// itself, directly or through another) is stopped instead of growing for ever.
struct PreprocessLimits {
    // Cycles of two passes in one run of the pass loop.
    int maxCycles = 64;
    // Characters in the work file, and in the define table, during a pass.
    qsizetype maxWorkChars = qsizetype{1024} * 1024;

    // A file larger than this cannot hold fewer characters than the bound allows
    // (one or two bytes a character), so it is refused before it is read.
    qint64 MaxFileBytes() const { return qint64{2} * maxWorkChars + 2; }
};

}  // namespace glimtex
