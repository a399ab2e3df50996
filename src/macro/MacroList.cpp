#include "macro/MacroList.h"

#include <optional>

#include "macro/TextFile.h"
#include "macro/TextUtil.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

namespace {

const QString kComma = QStringLiteral(",");

QString Quoted(const QString& text) { return QChar(u'"') + text + QChar(u'"'); }

// The size of one line in the file.
qint64 LineBytes(const QString& line) { return TextFile::Encode(line).size() + 2; }

}  // namespace

MacroList::MacroList(const ProgramFolder& folder, Feedback& feedback, qint64 maxMacroBytes)
    : folder_(folder), feedback_(feedback), maxMacroBytes_(maxMacroBytes) {}

MacroList::~MacroList() { Flush(); }

void MacroList::Load() {
    loaded_ = true;
    const std::optional<QStringList> lines =
        TextFile::ReadLines(folder_.File(WorkingFiles::kMacroList));
    if (!lines) {
        readable_ = false;
        return;
    }
    entries_ = *lines;
    for (const QString& entry : entries_) {
        const QString file = FirstQuoted(TextBefore(entry, kComma));
        if (file.isEmpty()) {
            ++entriesWithoutFile_;
        } else {
            files_.insert(file);
        }
        bytes_ += LineBytes(entry);
    }
}

void MacroList::AddItem(const QString& name) {
    if (name.isEmpty()) {
        feedback_.Beep();
        return;
    }
    if (!loaded_) Load();
    // As when the list was read anew for every registration: an unreadable list
    // beeps every time, and so does each entry without a file.
    if (!readable_) feedback_.Beep();
    for (int k = 0; k < entriesWithoutFile_; ++k) feedback_.Beep();
    if (files_.contains(name)) return;

    // Bounded before it is read; a device or FIFO is as unreadable as a missing file.
    const QString path = folder_.MacroFile(name);
    if (WorkingFiles::IsWorkingFile(folder_, path, WorkingFiles::kMacroList)) Flush();
    const SafeFile::ReadResult macro = TextFile::ReadUserFile(path, maxMacroBytes_);
    if (macro.status != SafeFile::Status::Ok) {
        feedback_.Beep();
        if (macro.status == SafeFile::Status::TooLarge) {
            feedback_.Detail(QStringLiteral("#ADDITEM \"%1\": the macro is larger than %2 MiB")
                                 .arg(name)
                                 .arg(maxMacroBytes_ / (qint64{1024} * 1024)));
        } else if (macro.status == SafeFile::Status::NotRegular) {
            feedback_.Detail(
                QStringLiteral("#ADDITEM \"%1\": the macro is not a plain file").arg(name));
        }
        return;
    }
    for (const QString& line : TextFile::SplitLines(TextFile::Decode(macro.bytes))) {
        if (!line.contains(QStringLiteral("#HEAD"))) continue;
        const QString title = FirstQuoted(TextBefore(line, kComma));
        const QString description = FirstQuoted(TextAfterFirstCharOf(line, kComma));
        if (title.isEmpty()) feedback_.Beep();
        if (description.isEmpty()) feedback_.Beep();
        const QString entry = Quoted(name) + kComma + Quoted(title) + kComma + Quoted(description);
        const qint64 size = LineBytes(entry);
        // The list must stay readable: an entry past the bound is left out.
        if (bytes_ + size > TextFile::kMaxFileBytes) {
            feedback_.Beep();
            if (!boundTold_) {
                boundTold_ = true;
                feedback_.Detail(
                    QStringLiteral("MacroList.df is full: it may not grow past 2 MiB, so further "
                                   "#ADDITEM entries are left out"));
            }
            continue;
        }
        entries_ << entry;
        files_.insert(name);
        bytes_ += size;
        dirty_ = true;
    }
}

void MacroList::Flush() {
    if (!dirty_) return;
    dirty_ = false;
    if (!TextFile::WriteLines(folder_.File(WorkingFiles::kMacroList), entries_)) {
        feedback_.Beep();
    }
}

}  // namespace glimtex
