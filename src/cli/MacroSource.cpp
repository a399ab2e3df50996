#include "cli/MacroSource.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

#include "cli/Cp932Replacements.h"
#include "macro/TextFile.h"
#include "macro/WorkingFiles.h"

namespace glimtex::cli {

bool MacroSource::Fail(const QString& error) {
    error_ = error;
    return false;
}

bool MacroSource::Prepare(const RenderOptions& options, const QString& programDir) {
    const QString& typed = options.macroPath;
    if (typed == u"-") {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            return Fail(QStringLiteral("cannot read the macro from standard input"));
        }
        return WriteScratchCopy(input.readAll(), options.macroEncoding);
    }
    // MACRO is taken as typed, relative to the current directory.
    const QFileInfo macro(typed);
    if (!macro.isFile() || !macro.isReadable()) {
        return Fail(QStringLiteral("cannot read macro file: ") + typed);
    }
    if (WorkingFiles::IsAnyWorkingFile(ProgramFolder(programDir), macro.absoluteFilePath())) {
        return Fail(QStringLiteral("the macro file is a working file of the program folder, "
                                   "which the run would overwrite: ") +
                    typed);
    }
    if (options.macroEncoding == TextEncoding::Cp932) {
        path_ = macro.absoluteFilePath();
        return true;
    }
    QFile file(macro.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(QStringLiteral("cannot read macro file: ") + typed);
    }
    return WriteScratchCopy(file.readAll(), options.macroEncoding);
}

bool MacroSource::WriteScratchCopy(const QByteArray& bytes, TextEncoding encoding) {
    if (!scratch_.isValid()) return Fail(QStringLiteral("cannot create a scratch folder"));
    QByteArray cp932 = bytes;
    if (encoding == TextEncoding::Utf8) {
        // A leading byte order mark is dropped; what code page 932 cannot hold becomes "?".
        QStringDecoder utf8(QStringDecoder::Utf8);
        qsizetype replaced = 0;
        cp932 = TextFile::Encode(utf8.decode(bytes), &replaced);
        Cp932Replacements::Add(replaced);
    }
    path_ = scratch_.filePath(QStringLiteral("macro"));
    QFile copy(path_);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(cp932) != cp932.size()) {
        return Fail(QStringLiteral("cannot write a scratch copy of the macro"));
    }
    return true;
}

}  // namespace glimtex::cli
