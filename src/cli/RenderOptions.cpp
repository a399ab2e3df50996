#include "cli/RenderOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace glimtex::cli {

ParsedOptions ParseRenderOptions(const QStringList& arguments) {
    ParsedOptions parsed;
    RenderOptions& options = parsed.options;

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show the usage."));
    const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                        QStringLiteral("The program folder."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), QStringLiteral("utf-8 or cp932."),
                                      QStringLiteral("ENC"));
    parser.addOptions({help, programDir, encoding});
    parser.addPositionalArgument(QStringLiteral("MACRO"), QStringLiteral("A macro file."));
    // The parser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("glimtex-render")} + arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    options.help = parser.isSet(help);
    if (parser.isSet(programDir)) {
        options.programDir = parser.value(programDir);
        if (options.programDir.isEmpty()) {
            parsed.error = QStringLiteral("--program-dir needs a folder");
            return parsed;
        }
    }
    if (parser.isSet(encoding)) {
        const QString name = parser.value(encoding);
        if (name.compare(u"utf-8", Qt::CaseInsensitive) == 0) {
            options.encoding = OutputEncoding::Utf8;
        } else if (name.compare(u"cp932", Qt::CaseInsensitive) == 0) {
            options.encoding = OutputEncoding::Cp932;
        } else {
            parsed.error = QStringLiteral("unknown encoding '%1' (use utf-8 or cp932)").arg(name);
            return parsed;
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        parsed.error = QStringLiteral("only one MACRO may be given");
        return parsed;
    }
    if (!positional.isEmpty()) {
        options.macroPath = positional.first();
        if (options.macroPath.isEmpty()) parsed.error = QStringLiteral("the MACRO path is empty");
    }
    return parsed;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: glimtex-render [--program-dir DIR] [--encoding utf-8|cp932] [MACRO]\n"
        "\n"
        "Runs Glimtex's start-up macro (Default in the program folder) without any window,\n"
        "then applies MACRO if one is given, and writes the collected HTML to standard\n"
        "output followed by one line feed.\n"
        "\n"
        "Options:\n"
        "  --program-dir DIR   the program folder holding Default, Include/ and Macro/;\n"
        "                      the working files (Buf.df, Define.df, MacroList.df,\n"
        "                      Include.df) are written there. Default: the folder of\n"
        "                      this executable.\n"
        "  --encoding ENC      utf-8 (default) or cp932, for standard output and\n"
        "                      standard error; characters cp932 cannot hold become '?'.\n"
        "  -h, --help          show this text and exit.\n"
        "\n"
        "MACRO is a macro file path as typed, relative to the current directory\n"
        "(not looked up in Macro/). It is applied as the macro picker does. It may not\n"
        "be one of the working files above, which the run rewrites.\n"
        "\n"
        "Every message box is reported on standard error as one line 'title: text',\n"
        "every beep as the line 'beep'. Yes/No questions are answered Yes.\n"
        "\n"
        "Exit status: 0 done; 1 a generation was refused, or a macro never finished\n"
        "expanding and its statements were not run; 2 a usage error or a file that\n"
        "cannot be read or written.\n");
}

}  // namespace glimtex::cli
