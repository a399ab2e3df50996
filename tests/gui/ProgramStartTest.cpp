// Starting glimtex itself: without a display it says so and exits with 2.
#include <gtest/gtest.h>
#include <QProcess>

namespace {

TEST(ProgramStart, WithoutADisplayItNamesTheRendererAndExitsWithTwo) {
    QProcess glimtex;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    glimtex.setProcessEnvironment(env);
    glimtex.start(QStringLiteral(GLIMTEX_GUI_EXE), {});
    ASSERT_TRUE(glimtex.waitForFinished(20000));
    EXPECT_EQ(glimtex.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(glimtex.exitCode(), 2);
    const QString said = QString::fromUtf8(glimtex.readAllStandardError());
    EXPECT_EQ(said.count(u'\n'), 1);
    EXPECT_TRUE(said.contains(QStringLiteral("glimtex-render"))) << said.toStdString();
}

}  // namespace
