#pragma once

#include <QString>
#include <QStringList>

namespace glimtex::cli {

enum class OutputEncoding { Utf8, Cp932 };

// What glimtex-render was asked to do.
struct RenderOptions {
    QString programDir;  // empty: the folder of the executable
    OutputEncoding encoding = OutputEncoding::Utf8;
    QString macroPath;  // empty: start-up only
    bool help = false;
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

}  // namespace glimtex::cli
