// cmake --install into a temporary prefix, then runs of the installed glimtex-render
// by a user whose home and data folder are temporary folders.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "core/Version.h"
#include "support/ProcessRun.h"

namespace glimtex {
namespace {

using testing::ProcessPlace;
using testing::ProcessRun;
using testing::RunProcess;

struct RunResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QString ErrText() const { return QString::fromUtf8(err); }
};

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// Every entry under a folder with its content and times, to see that nothing in it
// was written. Tests run as root, whom read-only bits do not stop.
QMap<QString, QString> Snapshot(const QString& root) {
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString hash =
            info.isDir() ? QString()
                         : QString::fromLatin1(QCryptographicHash::hash(ReadBytes(info.filePath()),
                                                                        QCryptographicHash::Sha256)
                                                   .toHex());
        entries.insert(QDir(root).relativeFilePath(info.filePath()),
                       hash + u' ' + info.lastModified().toString(Qt::ISODateWithMs));
    }
    return entries;
}

// The width of a PNG, from its header.
int PngWidth(const QString& path) {
    const QByteArray head = ReadBytes(path).left(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG") || head.mid(12, 4) != "IHDR") return -1;
    int width = 0;
    for (int i = 16; i < 20; ++i) width = width << 8 | static_cast<unsigned char>(head[i]);
    return width;
}

const QByteArray kMacro = "Set.MainString = \"x\"\nObject.CreateData\n";

class InstallTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        ASSERT_TRUE(QDir().mkpath(Home()));
        Install();
    }

    QString Prefix() const { return temp_.filePath(QStringLiteral("prefix")); }
    QString Share() const { return Prefix() + QStringLiteral("/share/glimtex"); }
    QString Installed() const { return Prefix() + QStringLiteral("/bin/glimtex-render"); }
    QString Home() const { return temp_.filePath(QStringLiteral("home")); }
    QString DataHome() const { return temp_.filePath(QStringLiteral("data")); }
    QString UserFolder() const { return DataHome() + QStringLiteral("/glimtex"); }

    // Installs the build tree and makes the share folder read-only, as for a user.
    void Install() {
        SetWritable(Share(), true);
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(GLIMTEX_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(GLIMTEX_BUILD_DIR),
                     QStringLiteral("--prefix"), Prefix()});
        ASSERT_TRUE(cmake.waitForFinished(60000));
        ASSERT_EQ(cmake.exitCode(), 0) << cmake.readAll().toStdString();
        SetWritable(Share(), false);
    }
    static void SetWritable(const QString& root, bool writable) {
        if (!QFileInfo::exists(root)) return;
        QStringList paths{root};
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) paths << it.next();
        for (const QString& path : paths) {
            QFileDevice::Permissions p = QFile::permissions(path);
            const QFileDevice::Permissions write =
                QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup;
            QFile::setPermissions(path, writable ? p | write : p & ~write);
        }
    }

    RunResult Render(const QStringList& arguments, const QByteArray& input = kMacro,
                     const QString& executable = {}, bool withDataHome = true) {
        ProcessPlace place;
        place.environment.insert(QStringLiteral("HOME"), Home());
        place.environment.remove(QStringLiteral("XDG_DATA_HOME"));
        if (withDataHome) place.environment.insert(QStringLiteral("XDG_DATA_HOME"), DataHome());
        place.workingDirectory = temp_.path();
        const ProcessRun run =
            RunProcess(executable.isEmpty() ? Installed() : executable, arguments, input, place);
        return {run.exitCode, run.out, run.err};
    }
    RunResult RenderUtf8(const QByteArray& macro = kMacro) {
        return Render(
            {QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")},
            macro);
    }

    QTemporaryDir temp_;
};

TEST_F(InstallTest, ProgramsDataMenuEntryAndIconsAreInstalled) {
    EXPECT_TRUE(QFileInfo(Installed()).isExecutable());
    EXPECT_EQ(ReadBytes(Share() + QStringLiteral("/Default")),
              ReadBytes(QStringLiteral(GLIMTEX_DATA_DIR "/Default")));
    EXPECT_TRUE(QFileInfo::exists(Share() + QStringLiteral("/Macro/Rainbow")));
    EXPECT_TRUE(QFileInfo(Share() + QStringLiteral("/Include")).isDir());
    const QString desktop =
        Prefix() + QStringLiteral("/share/applications/io.github.glimtex.Glimtex.desktop");
    EXPECT_TRUE(ReadBytes(desktop).contains("\nExec=glimtex\n"));
    EXPECT_TRUE(ReadBytes(desktop).contains("\nIcon=glimtex\n"));
    const QString icons = Prefix() + QStringLiteral("/share/icons/hicolor/");
    EXPECT_TRUE(ReadBytes(icons + QStringLiteral("scalable/apps/glimtex.svg")).contains("<svg"));
#ifdef GLIMTEX_PNG_ICONS
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString png = icons + QStringLiteral("%1x%1/apps/glimtex.png").arg(size);
        EXPECT_EQ(PngWidth(png), size) << png.toStdString();
    }
#endif
}

TEST_F(InstallTest, MetainfoManualPagesAndCompletionAreInstalledForThisVersion) {
    // The software centre's entry names the menu entry and this version.
    const QByteArray metainfo = ReadBytes(
        Prefix() + QStringLiteral("/share/metainfo/io.github.glimtex.Glimtex.metainfo.xml"));
    EXPECT_TRUE(
        metainfo.contains("<launchable type=\"desktop-id\">io.github.glimtex.Glimtex"
                          ".desktop</launchable>"));
    EXPECT_TRUE(metainfo.contains("<release version=\"" + kVersion.toUtf8() + '"'));
    // The manual pages carry this version and name the folder the bundled files went to.
    for (const char* page : {"glimtex", "glimtex-render"}) {
        const QByteArray text =
            ReadBytes(Prefix() + QStringLiteral("/share/man/man1/%1.1").arg(QLatin1String(page)));
        EXPECT_TRUE(text.contains("\"Glimtex " + kVersion.toUtf8() + '"')) << page;
        EXPECT_TRUE(text.contains(Share().toUtf8() + "/Default")) << page;
    }
    EXPECT_TRUE(ReadBytes(Prefix() + QStringLiteral("/share/bash-completion/completions/"
                                                    "glimtex-render"))
                    .contains("complete -F _glimtex_render glimtex-render"));
}

TEST_F(InstallTest, FirstRunMakesAndFillsThePrivateUserFolderAndRenders) {
    const QMap<QString, QString> before = Snapshot(Prefix());
    const RunResult r = RenderUtf8();
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>x</Font>\n"));
    EXPECT_TRUE(r.err.isEmpty()) << r.ErrText().toStdString();

    const QDir user(UserFolder());
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFile::permissions(user.path()) & others, QFileDevice::Permissions());
    EXPECT_EQ(ReadBytes(user.filePath(QStringLiteral("Default"))),
              ReadBytes(Share() + QStringLiteral("/Default")));
    EXPECT_EQ(ReadBytes(user.filePath(QStringLiteral("Macro/Rainbow"))),
              ReadBytes(Share() + QStringLiteral("/Macro/Rainbow")));
    EXPECT_TRUE(user.exists(QStringLiteral("Include")));
    EXPECT_TRUE(user.exists(QStringLiteral("Buf.df")));
    // The copies are the user's to edit, though the installed files are read-only.
    EXPECT_TRUE(QFile::permissions(user.filePath(QStringLiteral("Default"))) &
                QFileDevice::WriteOwner);
    EXPECT_EQ(Snapshot(Prefix()), before);
}

TEST_F(InstallTest, UsersChangesAreKeptAndNewBundledMacrosAddedAfterAnotherInstall) {
    ASSERT_EQ(RenderUtf8().exitCode, 0);
    const QDir user(UserFolder());
    const QByteArray mine = "Select.SpGroup = 1\r\n";  // italic
    WriteBytes(user.filePath(QStringLiteral("Default")), mine);
    WriteBytes(user.filePath(QStringLiteral("Macro/Rainbow")), "mine\r\n");

    // A newer install: its Default, and a macro the user has not had yet.
    Install();
    SetWritable(Share(), true);
    WriteBytes(Share() + QStringLiteral("/Macro/Newer"), "Set.MainString = \"n\"\r\n");
    SetWritable(Share(), false);
    const QMap<QString, QString> before = Snapshot(Prefix());

    const RunResult r = RenderUtf8();
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(r.out, QByteArray("<I><Font Color=#000000>x</Font></I>\n"));
    EXPECT_EQ(ReadBytes(user.filePath(QStringLiteral("Default"))), mine);
    EXPECT_EQ(ReadBytes(user.filePath(QStringLiteral("Macro/Rainbow"))), QByteArray("mine\r\n"));
    EXPECT_EQ(ReadBytes(user.filePath(QStringLiteral("Macro/Newer"))),
              QByteArray("Set.MainString = \"n\"\r\n"));
    EXPECT_EQ(Snapshot(Prefix()), before);
}

TEST_F(InstallTest, ABundledMacroTheUserDeletedStaysDeleted) {
    ASSERT_EQ(RenderUtf8().exitCode, 0);
    ASSERT_TRUE(QFile::remove(UserFolder() + QStringLiteral("/Macro/Rainbow")));
    ASSERT_EQ(RenderUtf8().exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(UserFolder() + QStringLiteral("/Macro/Rainbow")));
}

TEST_F(InstallTest, WithoutXdgDataHomeTheFolderIsInTheHomeFolder) {
    const RunResult r =
        Render({QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")},
               kMacro, {}, false);
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_TRUE(QFileInfo::exists(Home() + QStringLiteral("/.local/share/glimtex/Default")));
}

TEST_F(InstallTest, AFolderThatCannotBeMadeIsNamedInOneMessage) {
    WriteBytes(DataHome(), "a file, not a folder");
    const RunResult r = RenderUtf8();
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1) << r.ErrText().toStdString();
    EXPECT_TRUE(r.ErrText().contains(UserFolder())) << r.ErrText().toStdString();
}

TEST_F(InstallTest, TwentyFirstRunsAtOnceAllFillAndUseTheSameFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), Home());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), DataHome());
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int k = 0; k < 20; ++k) {
        auto run = std::make_unique<QProcess>();
        run->setProcessEnvironment(environment);
        run->start(Installed(), {QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"),
                                 QStringLiteral("-")});
        run->write(kMacro);
        run->closeWriteChannel();
        runs.push_back(std::move(run));
    }
    for (auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(120000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
        EXPECT_EQ(run->readAllStandardOutput(), QByteArray("<Font Color=#000000>x</Font>\n"));
    }
    // Each bundled file was recorded once.
    const QByteArray record = ReadBytes(UserFolder() + QStringLiteral("/.bundled"));
    EXPECT_EQ(record.count("Macro/Rainbow\n"), 1);
    EXPECT_EQ(ReadBytes(UserFolder() + QStringLiteral("/Macro/Rainbow")),
              ReadBytes(Share() + QStringLiteral("/Macro/Rainbow")));
}

TEST_F(InstallTest, WithNeitherHomeNorXdgDataHomeThereIsNoUserFolder) {
    ProcessPlace place;
    place.environment.remove(QStringLiteral("HOME"));
    place.environment.remove(QStringLiteral("XDG_DATA_HOME"));
    place.workingDirectory = temp_.path();
    const ProcessRun r = RunProcess(
        Installed(),
        {QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")}, kMacro,
        place);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.err.contains("HOME")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/.local/share/glimtex")));
    EXPECT_FALSE(QFileInfo::exists(temp_.filePath(QStringLiteral("Buf.df"))));
}

TEST_F(InstallTest, HelpNamesTheFolderOfTheRunWithoutMakingIt) {
    const RunResult r = Render({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(r.out).contains(QStringLiteral("Program folder of this run: ") +
                                                  UserFolder()))
        << r.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(UserFolder()));
}

TEST_F(InstallTest, APortableFolderAndAGivenFolderAreUsedAsTheyAre) {
    // The installed program copied beside a Default of its own: a portable folder.
    const QDir portable(temp_.filePath(QStringLiteral("portable")));
    ASSERT_TRUE(portable.mkpath(QStringLiteral(".")));
    const QString copy = portable.filePath(QStringLiteral("glimtex-render"));
    ASSERT_TRUE(QFile::copy(Installed(), copy));
    WriteBytes(portable.filePath(QStringLiteral("Default")), "Select.SpGroup = 0\r\n");  // bold
    RunResult r =
        Render({QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")},
               kMacro, copy);
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(r.out, QByteArray("<B><Font Color=#000000>x</Font></B>\n"));
    EXPECT_TRUE(portable.exists(QStringLiteral("Buf.df")));
    EXPECT_FALSE(QFileInfo::exists(UserFolder()));

    r = Render({QStringLiteral("--program-dir"), portable.path(),
                QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")});
    EXPECT_EQ(r.out, QByteArray("<B><Font Color=#000000>x</Font></B>\n"));
    EXPECT_FALSE(QFileInfo::exists(UserFolder()));
}

}  // namespace
}  // namespace glimtex
