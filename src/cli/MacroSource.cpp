#include "cli/MacroSource.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

#include "cli/Cp932Replacements.h"
#include "macro/SafeFile.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"

namespace glimtex::cli {

namespace {

// The bound as the README gives it: 2 MiB.
QString TooLargeText() {
    return QStringLiteral("larger than %1 MiB")
        .arg(TextFile::kMaxFileBytes / (qint64{1024} * 1024));
}

}  // namespace

bool MacroSource::Fail(const QString& error) {
    error_ = error;
    return false;
}

bool MacroSource::Prepare(const RenderOptions& options, const QString& programDir) {
    const QString& typed = options.macroPath;
    if (typed == u"-") {
        SafeFile::ReadResult input = SafeFile::ReadStream(fileno(stdin), TextFile::kMaxFileBytes);
        if (input.status == SafeFile::Status::TooLarge) {
            return Fail(QStringLiteral("the macro on standard input is too large (") +
                        TooLargeText() + u')');
        }
        if (input.status != SafeFile::Status::Ok) {
            return Fail(QStringLiteral("cannot read the macro from standard input"));
        }
        return Take(std::move(input.bytes), options.macroEncoding);
    }
    // MACRO is taken as typed, relative to the current directory. A working file,
    // under any name or link, would be overwritten before it ran.
    const QString path = QFileInfo(typed).absoluteFilePath();
    if (WorkingFiles::IsAnyWorkingFile(ProgramFolder(programDir), path)) {
        return Fail(QStringLiteral("the macro file is a working file of the program folder, "
                                   "which the run would overwrite: ") +
                    typed);
    }
    SafeFile::ReadResult macro = TextFile::ReadUserFile(path);
    switch (macro.status) {
        case SafeFile::Status::Ok:
            return Take(std::move(macro.bytes), options.macroEncoding);
        case SafeFile::Status::TooLarge:
            return Fail(QStringLiteral("the macro file is too large (") + TooLargeText() +
                        QStringLiteral("): ") + typed);
        case SafeFile::Status::NotRegular:
            return Fail(QStringLiteral("the macro file is not a plain file: ") + typed);
        default:
            return Fail(QStringLiteral("cannot read macro file: ") + typed);
    }
}

bool MacroSource::Take(QByteArray bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        // A leading byte order mark is dropped; what code page 932 cannot hold becomes "?".
        QStringDecoder utf8(QStringDecoder::Utf8);
        qsizetype replaced = 0;
        bytes = TextFile::Encode(utf8.decode(bytes), &replaced);
        Cp932Replacements::Add(replaced);
    }
    bytes_ = std::move(bytes);
    return true;
}

}  // namespace glimtex::cli
