#pragma once

#include <QByteArray>
#include <QString>

namespace glimtex::SafeFile {

// File access that cannot be turned against the user by what lies in a folder that
// others can write to. A working file is only ever opened when it is a plain file
// with no other name: a symbolic link, a hard link, a device, a FIFO or a folder in
// its place is refused, never followed. Reads are bounded before they start, and a
// device or FIFO never blocks them. Replacing a file writes a fresh temporary file
// (created exclusively, under a name nobody can guess) and renames it into place.

enum class Status {
    Ok,
    Missing,     // no such file (or a folder on the way is missing)
    Link,        // a symbolic link, or a file with more than one name
    NotRegular,  // a folder, device, FIFO or socket
    TooLarge,    // more bytes than the bound allows
    Failed,      // the system refused the operation
};

// Whether links may be followed when the file is opened for reading.
enum class Links { Refuse, Follow };

struct ReadResult {
    Status status = Status::Failed;
    QByteArray bytes;
};

// Reads the whole file, refusing one larger than maxBytes before anything is read.
// With Links::Follow a symbolic link is read through (and a file with several names
// is fine); the file it leads to must still be a plain file.
ReadResult Read(const QString& path, qint64 maxBytes, Links links);

// Reads at most maxBytes from an open descriptor (standard input); TooLarge when
// there was more.
ReadResult ReadStream(int fd, qint64 maxBytes);

// What lies at the path, without following a link: Ok for a plain file with one
// name, Missing, Link or NotRegular.
Status Inspect(const QString& path);

// Replaces the working file with exactly these bytes. A new file is created with the
// usual permissions; an existing one keeps its permissions. Refused when a link or
// anything but a plain file stands at the path.
Status Replace(const QString& path, const QByteArray& bytes);

// Appends to the working file, creating it when missing.
Status Append(const QString& path, const QByteArray& bytes);

// Empties the working file, creating it when missing.
Status Truncate(const QString& path);

// True when both paths name the same file (the same device and file number),
// whatever the names and links in between. False when either is missing.
bool SameFile(const QString& a, const QString& b);

}  // namespace glimtex::SafeFile
