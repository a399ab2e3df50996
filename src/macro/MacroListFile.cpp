#include "macro/MacroListFile.h"

#include <QFileInfo>
#include <QStringList>
#include <optional>

#include "macro/TextFile.h"
#include "macro/TextUtil.h"
#include "macro/WorkingFiles.h"

namespace glimtex::MacroListFile {

namespace {

const QString kComma = QStringLiteral(",");

bool IsListed(const QStringList& entries, const QString& name, Feedback& feedback) {
    bool listed = false;
    for (const QString& entry : entries) {
        const QString file = GetQuoteString(GetFrontString(entry, kComma));
        if (file.isEmpty()) {
            feedback.Beep();
        } else if (file == name) {
            listed = true;
        }
    }
    return listed;
}

QString Quoted(const QString& text) { return QChar(u'"') + text + QChar(u'"'); }

}  // namespace

void AddItem(const ProgramFolder& folder, const QString& name, Feedback& feedback,
             qint64 maxFileBytes) {
    if (name.isEmpty()) {
        feedback.Beep();
        return;
    }
    const QString listPath = folder.File(WorkingFiles::kMacroList);
    const std::optional<QStringList> entries = TextFile::ReadLines(listPath);
    if (!entries) {
        feedback.Beep();
    }
    if (entries && IsListed(*entries, name, feedback)) {
        return;
    }
    const QString macroPath = folder.MacroFile(name);
    if (QFileInfo(macroPath).size() > maxFileBytes) {
        feedback.Beep();
        return;
    }
    const std::optional<QStringList> lines = TextFile::ReadLines(macroPath);
    if (!lines) {
        feedback.Beep();
        return;
    }
    for (const QString& line : *lines) {
        if (!line.contains(QStringLiteral("#HEAD"))) {
            continue;
        }
        const QString title = GetQuoteString(GetFrontString(line, kComma));
        const QString description = GetQuoteString(GetBackString(line, kComma));
        if (title.isEmpty()) {
            feedback.Beep();
        }
        if (description.isEmpty()) {
            feedback.Beep();
        }
        const QString entry = Quoted(name) + kComma + Quoted(title) + kComma + Quoted(description);
        if (!TextFile::AppendLine(listPath, entry)) {
            feedback.Beep();
        }
    }
}

}  // namespace glimtex::MacroListFile
