// "Notepadの起動" on Linux: which editor is found, and the notice when none is.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ProgramFixture.h"
#include "app/Program.h"
#include "app/TextEditorLauncher.h"
#include "support/RecordingFeedback.h"

namespace glimtex {
namespace {

class TextEditorLauncherTest : public ::testing::Test {
  protected:
    QTemporaryDir home;
    QProcessEnvironment env;

    void SetUp() override {
        QDir(home.path()).mkpath(QStringLiteral("bin"));
        QDir(home.path()).mkpath(QStringLiteral("data/applications"));
        QDir(home.path()).mkpath(QStringLiteral("config"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("PATH"), Path("bin"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), Path("none"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), Path("data"));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), Path("none"));
    }
    QString Path(const char* name) const { return home.filePath(QString::fromLatin1(name)); }
    void Write(const char* name, const QByteArray& content, bool executable = false) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
};

TEST_F(TextEditorLauncherTest, TheDesktopDefaultForPlainTextComesFirst) {
    Write("bin/mousepad", "#!/bin/sh\n", true);
    Write("bin/myeditor", "#!/bin/sh\n", true);
    Write("config/mimeapps.list",
          "[Added Associations]\ntext/plain=other.desktop\n"
          "[Default Applications]\ntext/html=web.desktop\ntext/plain=my.desktop;\n");
    Write("data/applications/my.desktop",
          "[Desktop Entry]\nType=Application\nName=My\nExec=myeditor --new-window %F\n");
    const auto found = FindTextEditor(env);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->program, Path("bin/myeditor"));
    EXPECT_EQ(found->arguments, QStringList{QStringLiteral("--new-window")});
}

// A FIFO would block a plain open for ever, waiting for a writer.
TEST_F(TextEditorLauncherTest, AFifoInPlaceOfTheDesktopFilesIsPassedOver) {
    Write("bin/gedit", "#!/bin/sh\n", true);
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("config/mimeapps.list")).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("data/applications/mimeapps.list")).constData(), 0600),
              0);
    const auto found = FindTextEditor(env);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->program, Path("bin/gedit"));
}

TEST_F(TextEditorLauncherTest, ATerminalEditorIsPassedOverForACommonDesktopOne) {
    Write("bin/vim", "#!/bin/sh\n", true);
    Write("bin/gedit", "#!/bin/sh\n", true);
    Write("config/mimeapps.list", "[Default Applications]\ntext/plain=vim.desktop\n");
    Write("data/applications/vim.desktop",
          "[Desktop Entry]\nType=Application\nName=Vim\nExec=vim %F\nTerminal=true\n");
    const auto found = FindTextEditor(env);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->program, Path("bin/gedit"));
    EXPECT_TRUE(found->arguments.isEmpty());
}

TEST_F(TextEditorLauncherTest, NoEditorIsANoticeAndTheProgramGoesOn) {
    Write("bin/gedit", "not executable\n");
    EXPECT_FALSE(FindTextEditor(env).has_value());
    RecordingFeedback feedback;
    testing::RecordingClipboard clipboard;
    Program program(home.path(), feedback, clipboard);
    StartTextEditor(program, env);
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, kNoTextEditorMessage);
}

}  // namespace
}  // namespace glimtex
