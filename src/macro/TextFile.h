#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace glimtex::TextFile {

// Working files: Windows code page 932, CR LF line ends, each file opened and closed
// within one call. Reading also takes LF-only or CR-only ends and a last line
// without an end; bytes that do not decode become U+FFFD. Writing puts "?" for a
// character that code page 932 cannot hold.

// The lines of the file, or nothing when it is missing or cannot be read.
std::optional<QStringList> ReadLines(const QString& path);
// Replacing writes the new content beside the file first and then puts it in the
// file's place, so a failed write leaves the old file whole.

// Replaces the file with the lines, each followed by CR LF.
bool WriteLines(const QString& path, const QStringList& lines);
// Replaces the file with exactly this text (line ends as given).
bool WriteText(const QString& path, const QString& text);
// Adds one line followed by CR LF at the end of the file, creating it if missing.
bool AppendLine(const QString& path, const QString& line);
// Adds exactly this text (line ends as given) at the end of the file, creating it if missing.
bool AppendText(const QString& path, const QString& text);
// Empties the file, creating it if missing.
bool Truncate(const QString& path);
// The bytes of the file, or nothing when it is missing or cannot be read.
std::optional<QByteArray> ReadBytes(const QString& path);
// Replaces the file with exactly these bytes.
bool WriteBytes(const QString& path, const QByteArray& bytes);
// Copies a file over another, byte for byte.
bool CopyFile(const QString& from, const QString& to);

// The lines of a decoded text as ReadLines gives them: split at CR LF, at a lone LF
// or at a lone CR, nothing after a final line end.
QStringList SplitLines(const QString& text);

// Code page 932; `replaced`, when given, receives how many characters became "?".
QByteArray Encode(const QString& text, qsizetype* replaced = nullptr);
QString Decode(const QByteArray& bytes);

}  // namespace glimtex::TextFile
