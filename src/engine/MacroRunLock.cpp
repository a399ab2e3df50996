#include "engine/MacroRunLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glimtex {

namespace {

struct HeldFolder {
    int fd = -1;
    int count = 0;
};

// The folders this process holds, by canonical path.
QHash<QString, HeldFolder>& HeldFolders() {
    static QHash<QString, HeldFolder> held;
    return held;
}

// Opens Run.lock without following a link and without blocking on a FIFO.
MacroRunLock::State OpenLockFile(const QString& path, int* fd) {
    const QByteArray name = QFile::encodeName(path);
    do {
        // Reading is enough to lock, so a lock file made by another user serves too.
        *fd = ::open(name.constData(),
                     O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    } while (*fd < 0 && errno == EINTR);
    if (*fd < 0) {
        return errno == ELOOP || errno == ENXIO || errno == EISDIR ? MacroRunLock::State::Unsafe
                                                                   : MacroRunLock::State::Failed;
    }
    struct stat info {};
    if (::fstat(*fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(*fd);
        *fd = -1;
        return MacroRunLock::State::Unsafe;
    }
    return MacroRunLock::State::Held;
}

MacroRunLock::Waiter*& ProcessWaiter() {
    static MacroRunLock::Waiter* waiter = nullptr;
    return waiter;
}

// Tells the waiter that a wait it heard of is over.
struct WaitEnd {
    bool told = false;
    ~WaitEnd() {
        if (told && ProcessWaiter() != nullptr) ProcessWaiter()->WaitEnded();
    }
};

}  // namespace

void MacroRunLock::SetWaiter(Waiter* waiter) { ProcessWaiter() = waiter; }

MacroRunLock::MacroRunLock(const ProgramFolder& folder, std::chrono::milliseconds wait)
    : key_(QFileInfo(folder.Path()).canonicalFilePath()) {
    if (key_.isEmpty()) key_ = QDir::cleanPath(folder.Path());
    auto known = HeldFolders().find(key_);
    if (known != HeldFolders().end()) {
        ++known->count;
        state_ = State::Held;
        return;
    }
    int fd = -1;
    state_ = OpenLockFile(folder.File(kFileName), &fd);
    if (state_ != State::Held) return;
    QElapsedTimer waited;
    waited.start();
    WaitEnd waitEnd;
    for (unsigned long pause = 1;; pause = std::min(pause * 2, 50UL)) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            state_ = State::Failed;
            return;
        }
        bool givenUp = waited.elapsed() >= wait.count();
        if (!givenUp && ProcessWaiter() != nullptr) {
            waitEnd.told = true;
            givenUp = !ProcessWaiter()->StillWaiting(std::chrono::milliseconds(waited.elapsed()));
        }
        if (givenUp) {
            ::close(fd);
            state_ = State::Busy;
            return;
        }
        QThread::msleep(pause);
    }
    HeldFolders().insert(key_, HeldFolder{fd, 1});
}

MacroRunLock::~MacroRunLock() {
    if (state_ != State::Held) return;
    auto held = HeldFolders().find(key_);
    if (held == HeldFolders().end() || --held->count > 0) return;
    // Closing the file lets go of the lock. The file stays: removing it could let
    // two runs each lock a different file under the same name.
    ::close(held->fd);
    HeldFolders().erase(held);
}

}  // namespace glimtex
