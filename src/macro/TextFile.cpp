#include "macro/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "macro/Cp932.h"

namespace glimtex::TextFile {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

std::filesystem::path NativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Writes a new file beside the old one and puts it in its place only when every
// byte has been written, so a failed write leaves the old file as it was.
bool Replace(const QString& path, const QByteArray& bytes) {
    const QString fresh = path + QStringLiteral(".new");
    QFile file(fresh);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    written = written && file.error() == QFileDevice::NoError;
    if (written && QFileInfo::exists(path)) {
        QFile::setPermissions(fresh, QFile::permissions(path));
    }
    std::error_code error;
    if (written) {
        std::filesystem::rename(NativePath(fresh), NativePath(path), error);
    }
    if (!written || error) {
        QFile::remove(fresh);
        return false;
    }
    return true;
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const QByteArray bytes = Encode(text);
    return file.write(bytes) == bytes.size() && file.flush();
}

bool Truncate(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

std::optional<QByteArray> ReadBytes(const QString& path) {
    if (QFileInfo(path).isDir()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteBytes(const QString& path, const QByteArray& bytes) { return Replace(path, bytes); }

bool CopyFile(const QString& from, const QString& to) {
    const std::optional<QByteArray> bytes = ReadBytes(from);
    return bytes && Replace(to, *bytes);
}

QByteArray Encode(const QString& text, qsizetype* replaced) {
    return Cp932::Encode(text, replaced);
}

QString Decode(const QByteArray& bytes) { return Cp932::Decode(bytes); }

}  // namespace glimtex::TextFile
