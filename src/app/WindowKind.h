#pragma once

namespace glimtex {

// The program's windows besides the main window; each exists at most once.
enum class WindowKind {
    Board,
    Output,
    ColorMixer,
    ColorPalette,
    MacroPicker,
    Preview,
    GradientDetails
};

}  // namespace glimtex
