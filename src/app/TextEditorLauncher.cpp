#include "app/TextEditorLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QProcess>
#include <QStandardPaths>
#include "macro/SafeFile.h"

#include "app/Program.h"

namespace glimtex {

const QString kNoTextEditorMessage =
    QStringLiteral("テキストエディタが見つからないため、起動できません。");

namespace {

// Desktop text editors that open a window of their own, most common first.
const QStringList kKnownEditors = {
    QStringLiteral("gnome-text-editor"),
    QStringLiteral("gedit"),
    QStringLiteral("kwrite"),
    QStringLiteral("kate"),
    QStringLiteral("mousepad"),
    QStringLiteral("pluma"),
    QStringLiteral("xed"),
    QStringLiteral("featherpad"),
    QStringLiteral("leafpad"),
    QStringLiteral("l3afpad"),
    QStringLiteral("geany"),
    QStringLiteral("xedit"),
};

QString Home(const QProcessEnvironment& env) { return env.value(QStringLiteral("HOME")); }

QString EnvDir(const QProcessEnvironment& env, const char* name, const QString& fallback) {
    const QString value = env.value(QString::fromLatin1(name));
    return value.isEmpty() ? fallback : value;
}

QStringList EnvDirs(const QProcessEnvironment& env, const char* name, const QString& fallback) {
    return EnvDir(env, name, fallback).split(u':', Qt::SkipEmptyParts);
}

QStringList ConfigDirs(const QProcessEnvironment& env) {
    QStringList dirs{EnvDir(env, "XDG_CONFIG_HOME", Home(env) + QStringLiteral("/.config"))};
    dirs += EnvDirs(env, "XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    return dirs;
}

QStringList DataDirs(const QProcessEnvironment& env) {
    QStringList dirs{EnvDir(env, "XDG_DATA_HOME", Home(env) + QStringLiteral("/.local/share"))};
    dirs += EnvDirs(env, "XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    return dirs;
}

// The [group] key=value lines of a small desktop-style file. Only a plain file of at
// most 1 MiB is read (through links, as desktops keep these files): a FIFO or a
// device in its place would block the program for good.
QStringList GroupValues(const QString& path, const QString& group, const QString& key) {
    const SafeFile::ReadResult read =
        SafeFile::Read(path, qint64{1024} * 1024, SafeFile::Links::Follow);
    if (read.status != SafeFile::Status::Ok) return {};
    QString current;
    QStringList values;
    for (const QString& raw : QString::fromUtf8(read.bytes).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            current = line.mid(1, line.size() - 2);
        } else if (current == group) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq > 0 && line.left(eq).trimmed() == key) values << line.mid(eq + 1).trimmed();
        }
    }
    return values;
}

QString FirstValue(const QString& path, const QString& group, const QString& key) {
    const QStringList values = GroupValues(path, group, key);
    return values.isEmpty() ? QString() : values.first();
}

QString FindOnPath(const QProcessEnvironment& env, const QString& name) {
    const QStringList path = env.value(QStringLiteral("PATH")).split(u':', Qt::SkipEmptyParts);
    if (path.isEmpty()) return {};
    return QStandardPaths::findExecutable(name, path);
}

// The command of a desktop entry, without its field codes; nothing when the entry
// wants a terminal or its program is not there.
std::optional<EditorCommand> EntryCommand(const QProcessEnvironment& env, const QString& id) {
    const QString group = QStringLiteral("Desktop Entry");
    for (const QString& dir : DataDirs(env)) {
        const QString path = dir + QStringLiteral("/applications/") + id;
        if (!QFile::exists(path)) continue;
        if (FirstValue(path, group, QStringLiteral("Terminal")) == QStringLiteral("true")) {
            return std::nullopt;
        }
        QStringList words = QProcess::splitCommand(FirstValue(path, group, QStringLiteral("Exec")));
        words.removeIf([](const QString& w) { return w.size() == 2 && w.startsWith(u'%'); });
        if (words.isEmpty()) return std::nullopt;
        QString program = words.takeFirst();
        if (!QDir::isAbsolutePath(program)) program = FindOnPath(env, program);
        if (program.isEmpty() || !QFileInfo(program).isExecutable()) return std::nullopt;
        return EditorCommand{program, words};
    }
    return std::nullopt;
}

std::optional<EditorCommand> DefaultForPlainText(const QProcessEnvironment& env) {
    QStringList lists;
    for (const QString& dir : ConfigDirs(env)) lists << dir + QStringLiteral("/mimeapps.list");
    for (const QString& dir : DataDirs(env)) {
        lists << dir + QStringLiteral("/applications/mimeapps.list");
    }
    for (const QString& list : lists) {
        const QString ids =
            FirstValue(list, QStringLiteral("Default Applications"), QStringLiteral("text/plain"));
        for (const QString& id : ids.split(u';', Qt::SkipEmptyParts)) {
            if (auto command = EntryCommand(env, id.trimmed())) return command;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<EditorCommand> FindTextEditor(const QProcessEnvironment& environment) {
    if (auto command = DefaultForPlainText(environment)) return command;
    for (const QString& name : kKnownEditors) {
        const QString program = FindOnPath(environment, name);
        if (!program.isEmpty()) return EditorCommand{program, {}};
    }
    return std::nullopt;
}

void StartTextEditor(Program& program, const QProcessEnvironment& environment) {
    const std::optional<EditorCommand> command = FindTextEditor(environment);
    if (!command || !QProcess::startDetached(command->program, command->arguments)) {
        program.UserFeedback().ShowNotice(kNoticeTitle, kNoTextEditorMessage);
    }
}

}  // namespace glimtex
