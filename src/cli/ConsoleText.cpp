#include "cli/ConsoleText.h"

#include <QRegularExpression>

#include "cli/Cp932Replacements.h"
#include "macro/TextFile.h"

namespace glimtex::cli {

QByteArray EncodeForConsole(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.toUtf8();
    qsizetype replaced = 0;
    QByteArray bytes = TextFile::Encode(text, &replaced);
    Cp932Replacements::Add(replaced);
    return bytes;
}

bool WriteText(std::FILE* stream, const QString& text, TextEncoding encoding) {
    const QByteArray bytes = EncodeForConsole(text, encoding);
    const std::size_t written = std::fwrite(bytes.constData(), 1, bytes.size(), stream);
    return std::fflush(stream) == 0 && written == static_cast<std::size_t>(bytes.size());
}

bool WriteLine(std::FILE* stream, const QString& text, TextEncoding encoding) {
    static const QRegularExpression lineBreaks(QStringLiteral("\\r\\n|\\r|\\n"));
    QString line = text;
    line.replace(lineBreaks, QStringLiteral(" "));
    return WriteText(stream, line + u'\n', encoding);
}

}  // namespace glimtex::cli
