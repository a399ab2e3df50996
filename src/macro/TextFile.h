#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "macro/SafeFile.h"

namespace glimtex::TextFile {

// The bound on every file the macro system reads: no real macro comes near it, and
// a file beyond it is refused before it is read.
inline constexpr qint64 kMaxFileBytes = qint64{2} * 1024 * 1024 + 2;

// Working files: Windows code page 932, CR LF line ends, each file opened and closed
// within one call. Reading also takes LF-only or CR-only ends and a last line
// without an end; bytes that do not decode become U+FFFD. Writing puts "?" for a
// character that code page 932 cannot hold.

// Reading and writing a working file never goes through a link (symbolic or hard)
// nor opens anything but a plain file; see SafeFile.

// The lines of the working file, or nothing when it is missing, cannot be read, is
// not a plain file of its own or is larger than kMaxFileBytes.
std::optional<QStringList> ReadLines(const QString& path);
// Replacing writes the new content to a fresh file beside the old one and then puts
// it in the old one's place, so a failed write leaves the old file whole.

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
// The bytes of the working file, or nothing (as ReadLines).
std::optional<QByteArray> ReadBytes(const QString& path);
// The bytes of a file the user names (a macro, an include), read through links,
// bounded before the read starts; a device or FIFO is not a plain file.
SafeFile::ReadResult ReadUserFile(const QString& path, qint64 maxBytes = kMaxFileBytes);
// Replaces the file with exactly these bytes.
bool WriteBytes(const QString& path, const QByteArray& bytes);
// Copies a file the user names over a working file, byte for byte.
bool CopyFile(const QString& from, const QString& to);

// The lines of a decoded text as ReadLines gives them: split at CR LF, at a lone LF
// or at a lone CR, nothing after a final line end.
QStringList SplitLines(const QString& text);

// Code page 932; `replaced`, when given, receives how many characters became "?".
QByteArray Encode(const QString& text, qsizetype* replaced = nullptr);
QString Decode(const QByteArray& bytes);

}  // namespace glimtex::TextFile
