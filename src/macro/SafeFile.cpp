#include "macro/SafeFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glimtex::SafeFile {

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

Status OpenError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return Status::Missing;
        case ELOOP:  // O_NOFOLLOW met a symbolic link
        case EMLINK:
            return Status::Link;
        case ENXIO:  // a FIFO without a reader, or a device that is not there
        case EISDIR:
            return Status::NotRegular;
        default:
            return Status::Failed;
    }
}

// Checks an open descriptor: a plain file, and (for a working file) one with no
// other name, so that nothing written through it lands in a file outside the folder.
Status CheckOpen(int fd, bool singleName, struct stat* info) {
    if (::fstat(fd, info) != 0) return Status::Failed;
    if (!S_ISREG(info->st_mode)) return Status::NotRegular;
    if (singleName && info->st_nlink > 1) return Status::Link;
    return Status::Ok;
}

// The path as the system takes it. A name holding a NUL character would name a
// different, shorter path there, so it names nothing (an empty name fails ENOENT).
QByteArray NativeName(const QString& path) {
    return path.contains(QChar(u'\0')) ? QByteArray() : QFile::encodeName(path);
}

int OpenFile(const QString& path, int flags, mode_t mode = 0) {
    const QByteArray name = NativeName(path);
    int fd;
    do {
        fd = ::open(name.constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// Opens a working file for writing without following a link, without blocking on a
// FIFO, and refuses anything but a plain file with one name.
Status OpenWorkingFile(const QString& path, int flags, int* fd) {
    *fd = OpenFile(path, flags | O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (*fd < 0) return OpenError(errno);
    struct stat info {};
    const Status status = CheckOpen(*fd, true, &info);
    if (status != Status::Ok) {
        ::close(*fd);
        *fd = -1;
    }
    return status;
}

}  // namespace

ReadResult ReadStream(int fd, qint64 maxBytes) {
    ReadResult result;
    QByteArray bytes;
    constexpr qint64 kChunk = qint64{64} * 1024;
    for (;;) {
        // One byte more than the bound tells a file that is too large.
        const qint64 room = maxBytes + 1 - bytes.size();
        if (room <= 0) {
            result.status = Status::TooLarge;
            return result;
        }
        const qsizetype had = bytes.size();
        bytes.resize(had + static_cast<qsizetype>(std::min(room, kChunk)));
        const ssize_t n = ::read(fd, bytes.data() + had, static_cast<size_t>(bytes.size() - had));
        if (n < 0) {
            bytes.resize(had);
            if (errno == EINTR) continue;
            result.status = Status::Failed;
            return result;
        }
        bytes.resize(had + n);
        if (n == 0) break;
    }
    result.status = Status::Ok;
    result.bytes = std::move(bytes);
    return result;
}

ReadResult Read(const QString& path, qint64 maxBytes, Links links) {
    const bool refuse = links == Links::Refuse;
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int flags = O_RDONLY | O_NONBLOCK | (refuse ? O_NOFOLLOW : 0);
    Descriptor fd(OpenFile(path, flags));
    if (fd.get() < 0) return {OpenError(errno), {}};
    struct stat info {};
    const Status status = CheckOpen(fd.get(), refuse, &info);
    if (status != Status::Ok) return {status, {}};
    if (info.st_size > maxBytes) return {Status::TooLarge, {}};
    const int fileFlags = ::fcntl(fd.get(), F_GETFL);
    if (fileFlags >= 0) ::fcntl(fd.get(), F_SETFL, fileFlags & ~O_NONBLOCK);
    return ReadStream(fd.get(), maxBytes);
}

Status Inspect(const QString& path) {
    struct stat info {};
    if (::lstat(NativeName(path).constData(), &info) != 0) return OpenError(errno);
    if (S_ISLNK(info.st_mode)) return Status::Link;
    if (!S_ISREG(info.st_mode)) return Status::NotRegular;
    if (info.st_nlink > 1) return Status::Link;
    return Status::Ok;
}

Status Replace(const QString& path, const QByteArray& bytes) {
    struct stat old {};
    const QByteArray target = NativeName(path);
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT) return OpenError(errno);
    if (exists) {
        if (S_ISLNK(old.st_mode)) return Status::Link;
        if (!S_ISREG(old.st_mode)) return Status::NotRegular;
    }
    // A fresh name each time, created exclusively: a link planted under any name
    // is never opened, and nobody can guess the name in advance.
    QString fresh;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        fresh = path + QStringLiteral(".tmp") +
                QString::number(QRandomGenerator::system()->generate64(), 16);
        fd = OpenFile(fresh, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) return OpenError(errno);
    }
    if (fd < 0) return Status::Failed;
    Descriptor file(fd);
    const QByteArray freshName = NativeName(fresh);
    // The replacement keeps the permissions of the file it replaces; only the new
    // file, which this run created, is changed.
    bool written = WriteAll(file.get(), bytes);
    if (written && exists) written = ::fchmod(file.get(), old.st_mode & 07777) == 0;
    written = file.Close() && written;
    if (!written || ::rename(freshName.constData(), target.constData()) != 0) {
        ::unlink(freshName.constData());
        return Status::Failed;
    }
    return Status::Ok;
}

Status Append(const QString& path, const QByteArray& bytes) {
    int fd = -1;
    const Status status = OpenWorkingFile(path, O_APPEND, &fd);
    if (status != Status::Ok) return status;
    Descriptor file(fd);
    return WriteAll(file.get(), bytes) && file.Close() ? Status::Ok : Status::Failed;
}

Status Truncate(const QString& path) {
    int fd = -1;
    const Status status = OpenWorkingFile(path, 0, &fd);
    if (status != Status::Ok) return status;
    Descriptor file(fd);
    return ::ftruncate(file.get(), 0) == 0 && file.Close() ? Status::Ok : Status::Failed;
}

bool SameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(NativeName(a).constData(), &first) == 0 &&
           ::stat(NativeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

}  // namespace glimtex::SafeFile
