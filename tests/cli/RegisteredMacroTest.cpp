// glimtex-render --list-macros and --apply on a program folder holding the bundled
// start-up macro and the bundled macros.

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "macro/TextFile.h"
#include "support/ProcessRun.h"
#include "support/ProgramFolderCopy.h"

namespace glimtex {
namespace {

using testing::ProcessRun;
using testing::RunProcess;

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString kSampleTitle = QStringLiteral("虹色の見出し");

class RegisteredMacroRender : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program_.isValid());
        ASSERT_TRUE(testing::CopyFolder(QStringLiteral(GLIMTEX_DATA_DIR), program_.path()));
    }

    // Replaces Default by these lines.
    void WriteDefault(const QStringList& lines) {
        ASSERT_TRUE(TextFile::WriteLines(program_.filePath(QStringLiteral("Default")), lines));
    }

    Outcome Render(QStringList arguments) {
        arguments.prepend(program_.path());
        arguments.prepend(QStringLiteral("--program-dir"));
        const ProcessRun run = RunProcess(QStringLiteral(GLIMTEX_RENDER_EXE), arguments);
        return {run.exitCode, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
    }

    QTemporaryDir program_;
};

TEST_F(RegisteredMacroRender, ListMacrosPrintsTitleTabDescription) {
    const Outcome r = Render({QStringLiteral("--list-macros")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 1);
    EXPECT_EQ(lines[0],
              kSampleTitle + QStringLiteral("\t赤・橙・黄・緑・青・藍・紫の七色が目に"
                                            "自然な混ぜ方（OKLab）でなめらかに移り、右"
                                            "へ向かって小さくなる太字の見出しを作ります。"));
    for (const QString& line : lines) EXPECT_EQ(line.count(u'\t'), 1) << line.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST_F(RegisteredMacroRender, ApplyRendersTheSampleAsTheMacroFileWould) {
    const Outcome direct = Render({program_.filePath(QStringLiteral("Macro/Rainbow"))});
    const Outcome applied = Render({QStringLiteral("--apply"), kSampleTitle});
    EXPECT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    EXPECT_TRUE(applied.err.isEmpty()) << applied.err.toStdString();
    EXPECT_TRUE(applied.out.startsWith(QStringLiteral("<B><Font Color=#FF0000><Font Size=5>G")));
    EXPECT_EQ(applied.out, direct.out);
}

TEST_F(RegisteredMacroRender, ApplyOfAnUnknownTitleIsAFileErrorWithOneLine) {
    const Outcome r = Render({QStringLiteral("--apply"), QStringLiteral("虹色")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("虹色"))) << r.err.toStdString();
}

TEST_F(RegisteredMacroRender, ApplyOfAFileOutsideTheMacroFolderIsRefused) {
    // The start-up registers a file beside the program through "../"; it is not run.
    ASSERT_TRUE(TextFile::WriteLines(
        program_.filePath(QStringLiteral("Outside")),
        {QStringLiteral("#HEAD \"外\",\"outside\""), QStringLiteral("Set.MainString = \"x\""),
         QStringLiteral("Object.CreateData")}));
    WriteDefault({QStringLiteral("#ADDITEM \"../Outside\"")});
    EXPECT_EQ(Render({QStringLiteral("--list-macros")}).out, QStringLiteral("外\toutside\n"));
    const Outcome r = Render({QStringLiteral("--apply"), QStringLiteral("外")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("../Outside"))) << r.err.toStdString();
}

TEST_F(RegisteredMacroRender, ListingEscapesWhatWouldBreakItsLinesAndAnEmptyTitleNamesNothing) {
    ASSERT_TRUE(TextFile::WriteLines(
        program_.filePath(QStringLiteral("Macro/Odd")),
        {QStringLiteral("#HEAD \"a\tb\\c\",\"d\u0000e\""),
         QStringLiteral("#HEAD \"\",\"untitled\""), QStringLiteral("Set.MainString = \"x\""),
         QStringLiteral("Object.CreateData")}));
    WriteDefault({QStringLiteral("#ADDITEM \"Odd\"")});
    const Outcome listed = Render({QStringLiteral("--list-macros")});
    EXPECT_EQ(listed.out, QStringLiteral("a\\tb\\\\c\td\\0e\n\tuntitled\n"));
    const Outcome r = Render({QStringLiteral("--apply"), QString()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    // The start-up's beep for the missing title, then the refusal.
    EXPECT_EQ(r.err, QStringLiteral("beep\nglimtex-render: no registered macro is titled ''\n"));
}

TEST_F(RegisteredMacroRender, ApplyTogetherWithAMacroIsAUsageError) {
    const Outcome r = Render({QStringLiteral("--apply"), kSampleTitle,
                              program_.filePath(QStringLiteral("Macro/Rainbow"))});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.count(u'\n'), 1);
}

}  // namespace
}  // namespace glimtex
