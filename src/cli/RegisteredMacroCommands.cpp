#include "cli/RegisteredMacroCommands.h"

#include <cstdio>

#include "cli/ConsoleText.h"
#include "engine/RegisteredMacros.h"

namespace glimtex::cli {

QString EscapedField(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'\\':
                escaped += QStringLiteral("\\\\");
                break;
            case u'\t':
                escaped += QStringLiteral("\\t");
                break;
            case u'\n':
                escaped += QStringLiteral("\\n");
                break;
            case u'\r':
                escaped += QStringLiteral("\\r");
                break;
            case u'\0':
                escaped += QStringLiteral("\\0");
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

bool PrintRegisteredMacros(const ProgramFolder& folder, TextEncoding encoding) {
    QString text;
    for (const RegisteredMacro& macro : ReadRegisteredMacros(folder)) {
        text += EscapedField(macro.title) + u'\t' + EscapedField(macro.description) + u'\n';
    }
    return WriteText(stdout, text, encoding);
}

MacroChoice ChooseRegisteredMacro(const ProgramFolder& folder, const QString& title) {
    // An empty title names no macro, whatever entries without a title the list holds.
    const auto macro =
        title.isEmpty() ? std::nullopt : FindRegisteredMacro(ReadRegisteredMacros(folder), title);
    if (!macro) return {{}, QStringLiteral("no registered macro is titled '%1'").arg(title)};
    if (!RegisteredMacroPath(folder, macro->file)) {
        return {{},
                QStringLiteral("the file of the registered macro '%1' is not in Macro/: %2")
                    .arg(title, macro->file)};
    }
    return {macro->file, {}};
}

}  // namespace glimtex::cli
