// Every macro that the bundled Default registers renders through glimtex-render,
// without a beep or a notice, in a copy of the bundled program folder.

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/ProgramFolderCopy.h"

#include "macro/TextFile.h"
#include "macro/TextUtil.h"
#include "support/ProcessRun.h"

namespace glimtex {
namespace {

using testing::ProcessRun;
using testing::RunProcess;

using testing::CopyFolder;

const QString kDataDir = QStringLiteral(GLIMTEX_DATA_DIR);

// The file names of the #ADDITEM lines of the bundled Default, in order.
QStringList RegisteredMacros() {
    QStringList files;
    const auto lines = TextFile::ReadLines(QDir(kDataDir).filePath(QStringLiteral("Default")));
    if (!lines) return files;
    for (const QString& line : *lines) {
        if (line.startsWith(QStringLiteral("#ADDITEM "))) files << FirstQuoted(line);
    }
    return files;
}

class BundledMacros : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program_.isValid());
        ASSERT_TRUE(CopyFolder(kDataDir, program_.path()));
    }

    struct Result {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    // Runs the start-up of the copied folder, then what the arguments ask for.
    Result Render(const QStringList& more = {}) {
        QStringList arguments{QStringLiteral("--program-dir"), program_.path()};
        arguments << more;
        const ProcessRun run = RunProcess(QStringLiteral(GLIMTEX_RENDER_EXE), arguments);
        return {run.exitCode, run.out, run.err};
    }

    QTemporaryDir program_;
};

TEST_F(BundledMacros, DefaultRegistersAtLeastTenReadyMacros) {
    QStringList files = RegisteredMacros();
    EXPECT_GE(files.size(), 11);
    EXPECT_TRUE(files.contains(QStringLiteral("Rainbow")));
    EXPECT_EQ(files.removeDuplicates(), 0);
}

TEST_F(BundledMacros, EachRegisteredMacroHasATitleAndADescription) {
    // The start-up alone fills the macro list from the #HEAD lines.
    const Result r = Render();
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const auto entries =
        TextFile::ReadLines(QDir(program_.path()).filePath(QStringLiteral("MacroList.df")));
    ASSERT_TRUE(entries);
    const QStringList files = RegisteredMacros();
    ASSERT_EQ(entries->size(), files.size());
    QStringList titles;
    for (qsizetype k = 0; k < files.size(); ++k) {
        const QString& entry = (*entries)[k];
        const QString title = FirstQuoted(TextAfterFirstCharOf(entry, QStringLiteral(",")));
        const QString description = FirstQuoted(TextAfterFirstCharOf(
            TextAfterFirstCharOf(entry, QStringLiteral(",")), QStringLiteral(",")));
        EXPECT_EQ(FirstQuoted(TextBefore(entry, QStringLiteral(","))), files[k]);
        EXPECT_FALSE(title.isEmpty()) << files[k].toStdString();
        EXPECT_TRUE(description.endsWith(u'。')) << files[k].toStdString();
        titles << title;
    }
    EXPECT_EQ(titles.removeDuplicates(), 0);
}

TEST_F(BundledMacros, EachRegisteredMacroRendersWithoutABeepOrANotice) {
    // As "マクロ入力" offers them: by title, applied with --apply.
    const Result list = Render({QStringLiteral("--list-macros")});
    ASSERT_EQ(list.exitCode, 0);
    const QStringList entries = QString::fromUtf8(list.out).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(entries.size(), RegisteredMacros().size());
    QStringList fragments;
    for (const QString& entry : entries) {
        const QString title = entry.section(u'\t', 0, 0);
        SCOPED_TRACE(title.toStdString());
        const Result r = Render({QStringLiteral("--apply"), title});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        const QString html = QString::fromUtf8(r.out).chopped(1);
        EXPECT_TRUE(r.out.endsWith('\n'));
        // Decorated, in the format the macro chose: font tags or CSS spans.
        EXPECT_TRUE(html.contains(QStringLiteral("</Font>")) ||
                    html.contains(QStringLiteral("</span>")))
            << html.toStdString();
        fragments << html;
    }
    // Distinct decorations make distinct HTML.
    EXPECT_EQ(fragments.removeDuplicates(), 0);
}

}  // namespace
}  // namespace glimtex
