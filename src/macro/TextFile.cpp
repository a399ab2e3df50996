#include "macro/TextFile.h"

#include "macro/Cp932.h"

namespace glimtex::TextFile {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool Replace(const QString& path, const QByteArray& bytes) {
    return SafeFile::Replace(path, bytes) == SafeFile::Status::Ok;
}

}  // namespace

QStringList SplitLines(const QString& text) {
    // A line ends at CR LF, at a lone LF or at a lone CR. A file that ends with its
    // line end has nothing after it, not an empty line.
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < n) {
        lines.append(text.mid(start));
    }
    return lines;
}

std::optional<QStringList> ReadLines(const QString& path) {
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitLines(Decode(*bytes));
}

bool WriteLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += kLineEnd;
    }
    return WriteText(path, text);
}

bool WriteText(const QString& path, const QString& text) { return Replace(path, Encode(text)); }

bool AppendLine(const QString& path, const QString& line) {
    return AppendText(path, line + kLineEnd);
}

bool AppendText(const QString& path, const QString& text) {
    return SafeFile::Append(path, Encode(text)) == SafeFile::Status::Ok;
}

bool Truncate(const QString& path) { return SafeFile::Truncate(path) == SafeFile::Status::Ok; }

std::optional<QByteArray> ReadBytes(const QString& path) {
    SafeFile::ReadResult read = SafeFile::Read(path, kMaxFileBytes, SafeFile::Links::Refuse);
    if (read.status != SafeFile::Status::Ok) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

SafeFile::ReadResult ReadUserFile(const QString& path, qint64 maxBytes) {
    return SafeFile::Read(path, maxBytes, SafeFile::Links::Follow);
}

bool WriteBytes(const QString& path, const QByteArray& bytes) { return Replace(path, bytes); }

bool CopyFile(const QString& from, const QString& to) {
    const SafeFile::ReadResult read = ReadUserFile(from);
    return read.status == SafeFile::Status::Ok && Replace(to, read.bytes);
}

QByteArray Encode(const QString& text, qsizetype* replaced) {
    return Cp932::Encode(text, replaced);
}

QString Decode(const QByteArray& bytes) { return Cp932::Decode(bytes); }

}  // namespace glimtex::TextFile
