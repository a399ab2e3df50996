// Starting glimtex itself: without a display it says so and exits with 2; --version
// needs no display.
#include <gtest/gtest.h>
#include <QProcess>

#include "core/Version.h"

namespace {

QProcessEnvironment WithoutADisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    return env;
}

TEST(ProgramStart, WithoutADisplayItNamesTheRendererAndExitsWithTwo) {
    QProcess glimtex;
    glimtex.setProcessEnvironment(WithoutADisplay());
    glimtex.start(QStringLiteral(GLIMTEX_GUI_EXE), {});
    ASSERT_TRUE(glimtex.waitForFinished(20000));
    EXPECT_EQ(glimtex.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(glimtex.exitCode(), 2);
    const QString said = QString::fromUtf8(glimtex.readAllStandardError());
    EXPECT_EQ(said.count(u'\n'), 1);
    EXPECT_TRUE(said.contains(QStringLiteral("glimtex-render"))) << said.toStdString();
}

TEST(ProgramStart, VersionIsPrintedWithoutOpeningAWindow) {
    QProcess glimtex;
    glimtex.setProcessEnvironment(WithoutADisplay());
    glimtex.start(QStringLiteral(GLIMTEX_GUI_EXE), {QStringLiteral("--version")});
    ASSERT_TRUE(glimtex.waitForFinished(20000));
    EXPECT_EQ(glimtex.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(glimtex.readAllStandardOutput()),
              QStringLiteral("glimtex ") + glimtex::kVersion + u'\n');
}

}  // namespace
