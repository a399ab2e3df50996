#include "engine/RegisteredMacros.h"

#include <QDir>
#include <QFileInfo>

#include "engine/Engine.h"
#include "engine/Startup.h"
#include "macro/TextFile.h"
#include "macro/TextUtil.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

namespace {

const QString kComma = QStringLiteral(",");

// "file","title","description", cut as the picker cuts it.
RegisteredMacro ParseEntry(const QString& line) {
    const QString rest = TextAfterFirstCharOf(line, kComma);
    return {FirstQuoted(TextBefore(line, kComma)), FirstQuoted(rest),
            FirstQuoted(TextAfterFirstCharOf(rest, kComma))};
}

bool StaysInFolder(const QString& file) {
    return !file.isEmpty() && file != u"." && file != u".." && !QDir::isAbsolutePath(file) &&
           !file.contains(u'/') && !file.contains(u'\\');
}

}  // namespace

const QString kMacroListTooLargeMessage = QStringLiteral(
    "マクロの一覧（MacroList.df）が 2 MiB を超えているため、読み込めません。"
    "Default の #ADDITEM を見直してください");

bool MacroListTooLarge(const ProgramFolder& folder) {
    const QFileInfo list(folder.File(WorkingFiles::kMacroList));
    return list.isFile() && list.size() > TextFile::kMaxFileBytes;
}

QList<RegisteredMacro> ReadRegisteredMacros(const ProgramFolder& folder) {
    QList<RegisteredMacro> macros;
    const auto lines = TextFile::ReadLines(folder.File(WorkingFiles::kMacroList));
    if (!lines) return macros;
    for (const QString& line : *lines) macros.append(ParseEntry(line));
    return macros;
}

std::optional<RegisteredMacro> FindRegisteredMacro(const QList<RegisteredMacro>& macros,
                                                   const QString& title) {
    for (const RegisteredMacro& macro : macros) {
        if (macro.title == title) return macro;
    }
    return std::nullopt;
}

std::optional<QString> RegisteredMacroPath(const ProgramFolder& folder, const QString& file) {
    if (!StaysInFolder(file)) return std::nullopt;
    const QFileInfo info(folder.MacroFile(file));
    if (!info.isFile() || !info.isReadable()) return std::nullopt;
    return info.absoluteFilePath();
}

QString MissingMacroFileMessage(const QString& file) { return kMacroUnreadableMessage + file; }

bool ApplyRegisteredMacro(Engine& engine, const QString& file) {
    const std::optional<QString> path = RegisteredMacroPath(engine.Folder(), file);
    if (!path) {
        engine.UserFeedback().ShowNotice(kNoticeTitle, MissingMacroFileMessage(file));
        return false;
    }
    // ApplyMacro owns the program folder from the copy to Buf.df to the last statement.
    return ApplyMacro(engine, *path);
}

}  // namespace glimtex
