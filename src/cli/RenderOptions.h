#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/FragmentFormat.h"

namespace glimtex::cli {

// The encoding of the console streams, and of a macro given on the command line.
enum class TextEncoding { Utf8, Cp932 };

// What glimtex-render was asked to do.
struct RenderOptions {
    QString programDir;  // empty: the folder of the executable
    TextEncoding encoding = TextEncoding::Utf8;
    QString macroPath;                                 // empty: start-up only; "-": standard input
    TextEncoding macroEncoding = TextEncoding::Cp932;  // what the macro's bytes are in
    bool listMacros = false;            // print the registered macros instead of the HTML
    std::optional<QString> applyTitle;  // apply the registered macro with this title
    // The output format for the whole run; nothing: the start-up's choice, else HTML.
    std::optional<FragmentFormat> format;
    bool help = false;
    bool version = false;  // print the program's name and version instead
};

// The parsed command line, or the one-line reason it is not usable.
struct ParsedOptions {
    RenderOptions options;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads the arguments (without the program name).
ParsedOptions ParseRenderOptions(const QStringList& arguments);

// The text --help prints.
QString UsageText();

// The line --version prints.
QString VersionLine();

}  // namespace glimtex::cli
