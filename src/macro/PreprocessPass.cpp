#include "macro/PreprocessPass.h"

#include <optional>

#include "macro/BlockReader.h"
#include "macro/MacroList.h"
#include "macro/StatementValue.h"
#include "macro/TextFile.h"
#include "macro/TextUtil.h"
#include "macro/WorkingFiles.h"

namespace glimtex {

namespace {

const QString kSpace = QStringLiteral(" ");
const QString kLineEnd = QStringLiteral("\r\n");

QString NormaliseLine(const QString& line) {
    QString text = line;
    const qsizetype comment = text.indexOf(QStringLiteral("//"));
    if (comment >= 0) {
        text.truncate(comment);
    }
    text.replace(QChar(u'\t'), QChar(u' '));
    // Runs of spaces fall to one space, and a leading space goes.
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' || result.isEmpty() || result.back() != u' ') {
            result.append(c);
        }
    }
    if (result.startsWith(u' ')) {
        result.remove(0, 1);
    }
    return result;
}

}  // namespace

PreprocessPass::PreprocessPass(const ProgramFolder& folder, Feedback& feedback,
                               const PreprocessLimits& limits, bool again)
    : folder_(folder),
      feedback_(feedback),
      limits_(limits),
      includes_(folder, limits.MaxFileBytes()),
      macroList_(folder, feedback, limits.MaxFileBytes()),
      again_(again) {}

SafeFile::ReadResult PreprocessPass::ReadWorkingFile(const QString& path) const {
    return SafeFile::Read(path, limits_.MaxFileBytes(), SafeFile::Links::Refuse);
}

PassResult PreprocessPass::Run(const QString& fileName) {
    const PassOutcome outcome = Rewrite(fileName);
    return PassResult{outcome, again_};
}

PassOutcome PreprocessPass::Rewrite(const QString& fileName) {
    const QString path = folder_.File(fileName);
    const SafeFile::ReadResult read = ReadWorkingFile(path);
    if (read.status == SafeFile::Status::TooLarge) {
        feedback_.Beep();
        return PassOutcome::FileTooLarge;
    }
    if (read.status != SafeFile::Status::Ok) {
        feedback_.Beep();
        return PassOutcome::WorkFileMissing;
    }
    const QByteArray& before = read.bytes;
    // The steps of a pass each go through the file, so a byte that does not decode
    // reads as the "?" that the first rewrite leaves in its place.
    QString decoded = TextFile::Decode(before);
    decoded.replace(QChar(0xFFFD), QChar(u'?'));
    Expand(NormaliseLines(TextFile::SplitLines(decoded)));
    FlushFiles();
    if (stopped_) {
        feedback_.Beep();
        if (fileTooLarge_) return PassOutcome::FileTooLarge;
        // A macro whose own text is over the bound is too long, not endless.
        return decoded.size() > limits_.maxWorkChars ? PassOutcome::TooLong : PassOutcome::Stopped;
    }
    QString text;
    text.reserve(outChars_ + 2);
    for (const QString& line : out_) {
        text += line;
        text += kLineEnd;
    }
    text += kLineEnd;  // the file always ends with an empty line
    const QByteArray after = TextFile::Encode(text);
    // A pass that changes nothing leaves the file as it is.
    if (after != before && !TextFile::WriteBytes(path, after)) {
        feedback_.Beep();
        return PassOutcome::Stopped;
    }
    return PassOutcome::Done;
}

QStringList PreprocessPass::NormaliseLines(const QStringList& lines) {
    QStringList result;
    result.reserve(lines.size());
    for (const QString& line : lines) {
        QString normal = NormaliseLine(line);
        if (!normal.isEmpty()) {
            result.append(std::move(normal));
        }
    }
    return result;
}

const DefineTable& PreprocessPass::Table() {
    if (tableLoaded_) {
        return table_;
    }
    tableLoaded_ = true;
    const SafeFile::ReadResult read = ReadWorkingFile(folder_.File(WorkingFiles::kDefineTable));
    if (read.status == SafeFile::Status::TooLarge) {
        stopped_ = fileTooLarge_ = true;
        return table_;
    }
    if (read.status != SafeFile::Status::Ok) {
        feedback_.Beep();  // no table yet: nothing is defined
        return table_;
    }
    for (const QString& entry : TextFile::SplitLines(TextFile::Decode(read.bytes))) {
        table_.Add(entry);
    }
    return table_;
}

void PreprocessPass::Emit(const QString& line) {
    out_.append(line);
    outChars_ += line.size() + kLineEnd.size();
    if (outChars_ > limits_.maxWorkChars) {
        stopped_ = true;
    }
}

void PreprocessPass::Expand(const QStringList& lines) {
    const qsizetype n = lines.size();
    for (qsizetype next = 0; next < n && !stopped_;) {
        const QString line = Table().Substitute(lines[next++]);
        const QString word = TextBefore(line, kSpace);
        if (!word.startsWith(u'#')) {
            // A line that substitution emptied is not written.
            if (!line.isEmpty()) Emit(line);
            continue;
        }
        const QString rest = WithoutFirst(line, word);
        if (word == u"#DEFINE") {
            Define(rest);
        } else if (word == u"#IFDEF") {
            if (again_) {
                Emit(line);  // decided in a later cycle
            } else {
                const QString key = QChar(u'_') + TextAfterFirstCharOf(rest, kSpace);
                next = Block(lines, next, Table().HasKey(key), u"#ELSEDEF", u"#ENDDEF");
            }
        } else if (word == u"#IF") {
            if (again_) {
                Emit(line);
            } else {
                next = Block(lines, next, NumericCondition(rest), u"#ELSE", u"#ENDIF");
            }
        } else if (word == u"#INCLUDE") {
            Include(rest);
        } else if (word == u"#ADDITEM") {
            AddItem(rest);
        }
        // Any other word that begins with "#" drops its line.
    }
}

qsizetype PreprocessPass::Block(const QStringList& lines, qsizetype next, bool taken,
                                QStringView elseWord, QStringView endWord) {
    QStringList copied;
    const qsizetype after = ReadBlock(lines, next, taken, {elseWord, endWord}, copied);
    for (const QString& line : copied) {
        Emit(line);
    }
    return after;
}

bool PreprocessPass::NumericCondition(const QString& rest) {
    // The condition is read as a statement reads a whole 16-bit number.
    const std::optional<int16_t> value =
        StatementValue::ToInt16(TextAfterFirstCharOf(rest, kSpace));
    if (!value) {
        feedback_.Beep();  // not a whole number in range: the block is not taken
        return false;
    }
    return *value == 1;
}

void PreprocessPass::Define(const QString& rest) {
    QString r = TextAfterFirstCharOf(rest, QStringLiteral("_"));
    const QString key = QChar(u'_') + TextBefore(r, kSpace);
    r = TextAfterFirstCharOf(r, QStringLiteral("__"));
    r = TextAfterFirstCharOf(r, QStringLiteral("_"));
    const QString entry = key + kSpace + r;
    again_ = true;
    Table();
    // The entry as the file gives it back, so the table and Define.df agree.
    table_.Add(TextFile::Decode(TextFile::Encode(entry)));
    pendingDefines_ += entry;
    pendingDefines_ += kLineEnd;
    if (table_.Size() > limits_.maxWorkChars) {
        stopped_ = true;
    }
}

void PreprocessPass::FlushFiles() {
    FlushDefines();
    macroList_.Flush();
    if (!includes_.FlushCopy()) {
        feedback_.Beep();  // Include.df could not be written; the lines went in all the same
    }
}

void PreprocessPass::FlushDefines() {
    if (pendingDefines_.isEmpty()) {
        return;
    }
    if (!TextFile::AppendText(folder_.File(WorkingFiles::kDefineTable), pendingDefines_)) {
        feedback_.Beep();
    }
    pendingDefines_.clear();
}

void PreprocessPass::Include(const QString& rest) {
    again_ = true;
    const QString name = FirstQuoted(rest);
    if (name.isEmpty()) {
        feedback_.Beep();
        return;
    }
    FlushDefines();      // the name may lead to Define.df itself
    macroList_.Flush();  // or to MacroList.df
    const IncludeFiles::Result included = includes_.Include(name);
    switch (included.status) {
        case IncludeFiles::Status::TooLarge:
            feedback_.Detail(QStringLiteral("#INCLUDE \"%1\": the file is larger than %2 MiB")
                                 .arg(name)
                                 .arg(limits_.MaxFileBytes() / (qint64{1024} * 1024)));
            stopped_ = fileTooLarge_ = true;
            return;
        case IncludeFiles::Status::NotPlainFile:
            feedback_.Beep();
            feedback_.Detail(QStringLiteral("#INCLUDE \"%1\": not a plain file (a device, a "
                                            "FIFO or a folder), so nothing is included")
                                 .arg(name));
            return;
        case IncludeFiles::Status::Missing:
            feedback_.Beep();  // a missing file includes nothing
            return;
        case IncludeFiles::Status::Included:
            break;
    }
    for (const QString& line : included.lines) {
        Emit(line);
        if (stopped_) {
            return;
        }
    }
}

void PreprocessPass::AddItem(const QString& rest) {
    FlushFiles();  // the macro named may be one of the working files
    macroList_.AddItem(FirstQuoted(rest));
}

}  // namespace glimtex
