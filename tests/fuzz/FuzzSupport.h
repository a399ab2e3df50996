#pragma once

// What the fuzz targets share: a Qt application, a scratch program folder of their
// own, and a Feedback and Clipboard that only count.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/Feedback.h"

namespace glimtex::fuzz {

class QuietFeedback : public Feedback {
  public:
    int beeps = 0;
    int notices = 0;
    void Beep() override { ++beeps; }
    void ShowNotice(const QString&, const QString&) override { ++notices; }
    bool AskYesNo(const QString&, const QString&) override { return true; }
};

class NoClipboard : public Clipboard {
  public:
    void SetText(const QString&) override {}
};

// Qt's warnings (a file name holding a NUL character, for one) are expected here
// and would only slow the fuzzing down.
inline void Silence(QtMsgType, const QMessageLogContext&, const QString&) {}

inline void EnsureApplication() {
    qInstallMessageHandler(Silence);
    static int argc = 1;
    static char name[] = "glimtex-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}

// A program folder in the system's temporary folder, with Include/ and Macro/,
// made once per fuzzing process and removed when it ends.
inline const QString& ScratchFolder() {
    static QTemporaryDir dir;
    static const bool made = dir.isValid() && QDir(dir.path()).mkpath(QStringLiteral("Include")) &&
                             QDir(dir.path()).mkpath(QStringLiteral("Macro"));
    if (!made) {
        std::fputs("cannot make a scratch program folder\n", stderr);
        std::abort();
    }
    static const QString path = dir.path();
    return path;
}

inline void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(QDir(ScratchFolder()).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fputs("cannot write a scratch file\n", stderr);
        std::abort();
    }
}

inline void RemoveFile(const QString& name) { QFile::remove(QDir(ScratchFolder()).filePath(name)); }

// The input cut at every 0xFF byte (a byte that no code page 932 text holds).
inline QList<QByteArray> Parts(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
        .split('\xff');
}

// Stops the run with a message, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace glimtex::fuzz
