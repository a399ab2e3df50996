#include "cli/RenderOptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>
#include <utility>

#include "core/Version.h"

namespace glimtex::cli {

namespace {

std::optional<TextEncoding> EncodingNamed(const QString& name) {
    if (name.compare(u"utf-8", Qt::CaseInsensitive) == 0) return TextEncoding::Utf8;
    if (name.compare(u"cp932", Qt::CaseInsensitive) == 0) return TextEncoding::Cp932;
    return std::nullopt;
}

std::optional<FragmentFormat> FormatOption(const QString& name) {
    if (name == u"html") return FragmentFormat::Html;
    if (name == u"legacy") return FragmentFormat::Legacy;
    if (name == u"css") return FragmentFormat::Css;
    if (name == u"bbcode") return FragmentFormat::Bbcode;
    return std::nullopt;
}

}  // namespace

ParsedOptions ParseRenderOptions(const QStringList& arguments) {
    ParsedOptions parsed;
    RenderOptions& options = parsed.options;

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show the usage."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version."));
    const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                        QStringLiteral("The program folder."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), QStringLiteral("utf-8 or cp932."),
                                      QStringLiteral("ENC"));
    const QCommandLineOption macroEncoding(
        QStringLiteral("macro-encoding"), QStringLiteral("cp932 or utf-8."), QStringLiteral("ENC"));
    const QCommandLineOption listMacros(QStringLiteral("list-macros"),
                                        QStringLiteral("List the registered macros."));
    const QCommandLineOption apply(QStringLiteral("apply"),
                                   QStringLiteral("Apply the registered macro with this title."),
                                   QStringLiteral("TITLE"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("html, legacy, css or bbcode."),
                                    QStringLiteral("FORMAT"));
    parser.addOptions(
        {help, version, programDir, encoding, macroEncoding, listMacros, apply, format});
    parser.addPositionalArgument(QStringLiteral("MACRO"), QStringLiteral("A macro file."));
    // The parser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("glimtex-render")} + arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (parser.isSet(programDir)) {
        options.programDir = parser.value(programDir);
        if (options.programDir.isEmpty()) {
            parsed.error = QStringLiteral("--program-dir needs a folder");
            return parsed;
        }
    }
    for (const auto& [option, target] : {std::pair{&encoding, &options.encoding},
                                         std::pair{&macroEncoding, &options.macroEncoding}}) {
        if (!parser.isSet(*option)) continue;
        const std::optional<TextEncoding> named = EncodingNamed(parser.value(*option));
        if (!named) {
            parsed.error = QStringLiteral("unknown encoding '%1' (use utf-8 or cp932)")
                               .arg(parser.value(*option));
            return parsed;
        }
        *target = *named;
    }
    if (parser.isSet(format)) {
        options.format = FormatOption(parser.value(format));
        if (!options.format) {
            parsed.error = QStringLiteral("unknown format '%1' (use html, legacy, css or bbcode)")
                               .arg(parser.value(format));
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
    options.listMacros = parser.isSet(listMacros);
    if (parser.isSet(apply)) options.applyTitle = parser.value(apply);
    const int actions = int{options.listMacros} + int{options.applyTitle.has_value()} +
                        int{!options.macroPath.isEmpty()};
    if (actions > 1 && parsed.ok()) {
        parsed.error = QStringLiteral("give only one of --list-macros, --apply and MACRO");
    }
    return parsed;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: glimtex-render [--program-dir DIR] [--encoding utf-8|cp932]\n"
        "                      [--format html|legacy|css|bbcode]\n"
        "                      [--macro-encoding cp932|utf-8] [MACRO | -]\n"
        "       glimtex-render [--program-dir DIR] [--encoding utf-8|cp932]\n"
        "                      [--format html|legacy|css|bbcode] --apply TITLE\n"
        "       glimtex-render [--program-dir DIR] [--encoding utf-8|cp932] --list-macros\n"
        "\n"
        "Runs Glimtex's start-up macro (Default in the program folder) without any window,\n"
        "then applies MACRO or the registered macro TITLE if one is given, and writes the\n"
        "collected HTML to standard output followed by one line feed.\n"
        "\n"
        "Options:\n"
        "  --program-dir DIR       the program folder holding Default, Include/ and\n"
        "                          Macro/; the working files (Buf.df, Define.df,\n"
        "                          MacroList.df, Include.df) are written there.\n"
        "                          Without it: the folder of this executable when it\n"
        "                          holds Default and can be written (a portable or\n"
        "                          build folder); else your own folder\n"
        "                          $XDG_DATA_HOME/glimtex (~/.local/share/glimtex),\n"
        "                          filled on first use with copies of the installed\n"
        "                          Default, Include/ and Macro/ (your changes to\n"
        "                          them are kept; new macros are added beside them).\n"
        "  --encoding ENC          utf-8 (default) or cp932, for standard output and\n"
        "                          standard error; characters cp932 cannot hold\n"
        "                          become '?'.\n"
        "  --format FORMAT         html, legacy, css or bbcode, for every fragment of the\n"
        "                          run, whatever the macros' Set.OutputFormat says.\n"
        "                          Without it: the start-up's or the macro's choice,\n"
        "                          else html.\n"
        "                          html: each fragment closes every tag it opens,\n"
        "                          innermost first, and a background table holds its\n"
        "                          text in one cell (<TR><TD>), so the fragment changes\n"
        "                          nothing after it on a page and its background shows.\n"
        "                          legacy (\"旧形式\"): the old bytes, with one </Font>\n"
        "                          whatever number of font tags were opened and the text\n"
        "                          straight inside <TABLE>; browsers carry its colour,\n"
        "                          size and face on into the rest of the page and show\n"
        "                          no background.\n"
        "                          css: HTML5 with inline styles, one <span style> for\n"
        "                          the line and one for each character with a colour\n"
        "                          or size of its own; a background is an inline-block\n"
        "                          box; text and addresses are escaped.\n"
        "                          bbcode: forum markup, [color=#rrggbb], [size=1..7],\n"
        "                          [b], [i], [u], [s] and [url=...]. Superscript,\n"
        "                          subscript, the face and the background have no\n"
        "                          common BBCode and are left out.\n"
        "  --macro-encoding ENC    cp932 (default, as the program's own macro files)\n"
        "                          or utf-8, for MACRO; a UTF-8 macro is converted\n"
        "                          to cp932 first, '?' for what cp932 cannot hold.\n"
        "  --list-macros           after the start-up, print the registered macros (the\n"
        "                          macro picker's list, MacroList.df) one per line as\n"
        "                          title, a tab and the description, instead of HTML.\n"
        "  --apply TITLE           apply the first registered macro titled TITLE as the\n"
        "                          macro picker's \"確定\" and Yes do: its file in Macro/\n"
        "                          is copied to Buf.df and run with a fresh Define.df.\n"
        "                          No such title, or its file missing, is a file error.\n"
        "  -h, --help              show this text and exit.\n"
        "  --version               show the version and exit.\n"
        "\n"
        "MACRO is a macro file path as typed, relative to the current directory\n"
        "(not looked up in Macro/). It is applied as the macro picker does. It may not\n"
        "be one of the working files above, which the run rewrites. '-' reads the\n"
        "macro from standard input.\n"
        "\n"
        "Every message box is reported on standard error as one line 'title: text',\n"
        "every beep as the line 'beep'. Yes/No questions are answered Yes.\n"
        "\n"
        "Exit status: 0 done; 1 a generation was refused, or a macro never finished\n"
        "expanding and its statements were not run; 2 a usage error, a file that\n"
        "cannot be read or written, no usable registered macro for --apply, a macro\n"
        "that is too large (over 2 MiB) or not a plain file, a working file that is a\n"
        "link, or a program folder that another run kept for 30 s.\n");
}

QString VersionLine() { return QStringLiteral("glimtex-render ") + kVersion + u'\n'; }

}  // namespace glimtex::cli
