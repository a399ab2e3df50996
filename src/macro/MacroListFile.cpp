#include "macro/MacroListFile.h"

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
    // Bounded before it is read; a device or FIFO is as unreadable as a missing file.
    const SafeFile::ReadResult macro = TextFile::ReadUserFile(folder.MacroFile(name), maxFileBytes);
    if (macro.status != SafeFile::Status::Ok) {
        feedback.Beep();
        return;
    }
    for (const QString& line : TextFile::SplitLines(TextFile::Decode(macro.bytes))) {
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
