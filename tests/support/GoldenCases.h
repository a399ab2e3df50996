#pragma once

// Golden cases: the texts a test expects, kept in a data file beside the case's
// inputs, in the format of SettingsCases.h. A test hands what the program made to
// Expect() and compares it with what it gets back.
//
// With GLIMTEX_UPDATE_GOLDEN=1 in the environment, Expect() instead writes what the
// program made into the case (in place of the key's old lines, or after the case's
// last line), gives it back so the comparison holds, and says on standard output
// that it rewrote the file. The case's inputs, the other cases and the comments stay
// as they are. The file is locked while it is rewritten, so tests that run at once
// (ctest -j) may update cases of one file.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cstdio>
#include <vector>

#include "support/SettingsCases.h"

namespace glimtex::testing {

inline bool UpdatingGolden() { return qgetenv("GLIMTEX_UPDATE_GOLDEN") == "1"; }

namespace golden {

// Replaces the lines of `key` in the case `name` of the file's text by `lines`;
// false when the file has no such case.
inline bool ReplaceInCase(QStringList& file, const QString& name, const QString& key,
                          const QStringList& lines) {
    const qsizetype start = file.indexOf(QStringLiteral("== ") + name);
    if (start < 0) return false;
    qsizetype end = start + 1;
    while (end < file.size() && !file[end].startsWith(QStringLiteral("== "))) ++end;
    qsizetype at = -1;
    qsizetype lastContent = start;
    for (qsizetype k = start + 1; k < end;) {
        const QString& line = file[k];
        if (line.section(u':', 0, 0) == key && line.contains(u':')) {
            if (at < 0) at = k;
            file.removeAt(k);
            --end;
            continue;
        }
        if (!line.isEmpty() && !line.startsWith(u'#')) lastContent = k;
        ++k;
    }
    if (at < 0) at = lastContent + 1;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString& text = lines[k];
        file.insert(at + k, text.isEmpty() ? key + u':' : key + QStringLiteral(": ") + text);
    }
    return true;
}

// Writes the value into the case under the file's lock and reports it.
inline void Rewrite(const QString& path, const QString& name, const QString& key,
                    const QString& value) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0) {
        if (fd >= 0) ::close(fd);
        ADD_FAILURE() << "cannot open " << path.toStdString() << " to rewrite it";
        return;
    }
    QFile file;
    QByteArray old;
    if (file.open(fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle)) old = file.readAll();
    QStringList lines = QString::fromUtf8(old).split(u'\n');
    if (!ReplaceInCase(lines, name, key, value.split(u'\n'))) {
        ADD_FAILURE() << path.toStdString() << " has no case \"" << name.toStdString() << '"';
    } else if (const QByteArray now = lines.join(u'\n').toUtf8(); now != old) {
        const bool written = file.seek(0) && file.resize(0) && file.write(now) == now.size();
        if (!written || !file.flush()) {
            ADD_FAILURE() << "cannot rewrite " << path.toStdString();
        } else {
            std::printf("GLIMTEX_UPDATE_GOLDEN: rewrote %s: case \"%s\", %s\n", native.constData(),
                        name.toUtf8().constData(), key.toUtf8().constData());
        }
    }
    file.close();
    ::close(fd);  // also gives up the lock
}

}  // namespace golden

// The cases of one golden file.
class GoldenCases {
  public:
    explicit GoldenCases(const QString& path) : path_(path), cases_(ReadSettingsCases(path)) {}

    const std::vector<SettingsCase>& Cases() const { return cases_; }

    // The case of that name; a test failure and an empty case when there is none.
    const SettingsCase& Case(const QString& name) const {
        for (const SettingsCase& c : cases_) {
            if (c.name == name) return c;
        }
        ADD_FAILURE() << path_.toStdString() << " has no case \"" << name.toStdString() << '"';
        static const SettingsCase none;
        return none;
    }

    // A text of the case given on lines of its own, such as a macro.
    QStringList Lines(const QString& name, const QString& key) const {
        const SettingsCase& c = Case(name);
        const auto text = c.expected.find(key);
        if (text == c.expected.end()) {
            ADD_FAILURE() << '"' << name.toStdString() << "\" has no " << key.toStdString();
            return {};
        }
        return text->second.split(u'\n');
    }

    // What the case expects under `key` (lines joined by "\n"), to compare `now`
    // with; when updating, `now` itself after writing it into the case.
    QString Expect(const QString& name, const QString& key, const QString& now) {
        if (UpdatingGolden()) {
            if (now.contains(u'\r')) {
                ADD_FAILURE() << "a golden text holds no CR; give it as lines";
                return now;
            }
            golden::Rewrite(path_, name, key, now);
            return now;
        }
        const SettingsCase& c = Case(name);
        const auto text = c.expected.find(key);
        if (text == c.expected.end()) {
            ADD_FAILURE() << '"' << name.toStdString() << "\" has no " << key.toStdString();
            return {};
        }
        return text->second;
    }
    QStringList ExpectLines(const QString& name, const QString& key, const QStringList& now) {
        return Expect(name, key, now.join(u'\n')).split(u'\n');
    }
    // A collection: its fragments one a line in the file, joined by CR LF.
    QString ExpectCollection(const QString& name, const QString& key, const QString& now) {
        return ExpectLines(name, key, now.split(QStringLiteral("\r\n")))
            .join(QStringLiteral("\r\n"));
    }

  private:
    QString path_;
    std::vector<SettingsCase> cases_;
};

}  // namespace glimtex::testing
