#include "cli/ConsoleText.h"

#include <QRegularExpression>
#include <algorithm>

#include "cli/Cp932Replacements.h"
#include "macro/Cp932.h"

namespace glimtex::cli {

QByteArray EncodeForConsole(QStringView text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return text.toUtf8();
    qsizetype replaced = 0;
    QByteArray bytes = Cp932::Encode(text, &replaced);
    Cp932Replacements::Add(replaced);
    return bytes;
}

bool WriteText(std::FILE* stream, QStringView text, TextEncoding encoding) {
    // Small enough for the encoded piece to come from memory already in use.
    constexpr qsizetype kPiece = qsizetype{1} << 13;
    bool written = true;
    while (!text.isEmpty()) {
        qsizetype units = std::min(kPiece, text.size());
        // A surrogate pair is one character and stays in one piece.
        if (units < text.size() && text[units - 1].isHighSurrogate()) --units;
        const QByteArray bytes = EncodeForConsole(text.first(units), encoding);
        const auto size = static_cast<std::size_t>(bytes.size());
        written = std::fwrite(bytes.constData(), 1, size, stream) == size && written;
        text = text.sliced(units);
    }
    return std::fflush(stream) == 0 && written;
}

bool WriteLine(std::FILE* stream, const QString& text, TextEncoding encoding) {
    static const QRegularExpression lineBreaks(QStringLiteral("\\r\\n|\\r|\\n"));
    QString line = text;
    line.replace(lineBreaks, QStringLiteral(" "));
    return WriteText(stream, line + u'\n', encoding);
}

}  // namespace glimtex::cli
