#include "cli/RegisteredMacroCommands.h"

#include <cstdio>

#include "app/RegisteredMacros.h"
#include "cli/ConsoleText.h"

namespace glimtex::cli {

bool PrintRegisteredMacros(const ProgramFolder& folder, TextEncoding encoding) {
    QString text;
    for (const RegisteredMacro& macro : ReadRegisteredMacros(folder)) {
        text += macro.title + u'\t' + macro.description + u'\n';
    }
    return WriteText(stdout, text, encoding);
}

MacroChoice ChooseRegisteredMacro(const ProgramFolder& folder, const QString& title) {
    const auto macro = FindRegisteredMacro(ReadRegisteredMacros(folder), title);
    if (!macro) return {{}, QStringLiteral("no registered macro is titled '%1'").arg(title)};
    if (!RegisteredMacroPath(folder, macro->file)) {
        return {{},
                QStringLiteral("the file of the registered macro '%1' is not in Macro/: %2")
                    .arg(title, macro->file)};
    }
    return {macro->file, {}};
}

}  // namespace glimtex::cli
