// The examples of docs/macro-language.md: each macro block (a fence tagged
// glimtex-macro) runs through glimtex-render without a beep or a notice, and where the
// next block is tagged html, it writes exactly that HTML (one line per fragment).

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>

#include "support/ProgramFolderCopy.h"

namespace glimtex {
namespace {

using testing::CopyFolder;

const QString kDataDir = QStringLiteral(GLIMTEX_DATA_DIR);

struct Example {
    int line = 0;  // of the opening fence, counting from 1
    QStringList macro;
    std::optional<QStringList> html;
};

// The fenced blocks of the page, with their tags, in order.
struct Block {
    int line = 0;
    QString tag;
    QStringList lines;
};

QList<Block> FencedBlocks(const QStringList& page) {
    QList<Block> blocks;
    for (qsizetype k = 0; k < page.size(); ++k) {
        if (!page[k].startsWith(QStringLiteral("```"))) continue;
        Block block{static_cast<int>(k + 1), page[k].mid(3).trimmed(), {}};
        for (++k; k < page.size() && page[k].trimmed() != QStringLiteral("```"); ++k) {
            block.lines << page[k];
        }
        blocks << block;
    }
    return blocks;
}

QList<Example> Examples() {
    QFile file(QDir(kDataDir).filePath(QStringLiteral("../docs/macro-language.md")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList page = QString::fromUtf8(file.readAll()).split(u'\n');
    const QList<Block> blocks = FencedBlocks(page);
    QList<Example> examples;
    for (qsizetype k = 0; k < blocks.size(); ++k) {
        if (blocks[k].tag != QStringLiteral("glimtex-macro")) continue;
        Example example{blocks[k].line, blocks[k].lines, std::nullopt};
        if (k + 1 < blocks.size() && blocks[k + 1].tag == QStringLiteral("html")) {
            example.html = blocks[k + 1].lines;
        }
        examples << example;
    }
    return examples;
}

TEST(ReferenceExamples, ThePageHasExamplesWithTheirHtml) {
    const QList<Example> examples = Examples();
    EXPECT_GE(examples.size(), 15);
    const auto withHtml = std::count_if(examples.begin(), examples.end(),
                                        [](const Example& e) { return e.html.has_value(); });
    EXPECT_GE(withHtml, 15);
}

TEST(ReferenceExamples, EachExampleRendersWithoutABeepAndAsShown) {
    for (const Example& example : Examples()) {
        SCOPED_TRACE("docs/macro-language.md line " + std::to_string(example.line));
        // Each example starts from the bundled program folder as it is shipped.
        QTemporaryDir program;
        ASSERT_TRUE(program.isValid());
        ASSERT_TRUE(CopyFolder(kDataDir, program.path()));
        QProcess process;
        process.start(
            QStringLiteral(GLIMTEX_RENDER_EXE),
            {QStringLiteral("--program-dir"), program.path(), QStringLiteral("--macro-encoding"),
             QStringLiteral("utf-8"), QStringLiteral("-")});
        process.write((example.macro.join(u'\n') + u'\n').toUtf8());
        process.closeWriteChannel();
        if (!process.waitForFinished(30000)) {
            process.kill();
            ADD_FAILURE() << "glimtex-render did not finish";
            continue;
        }
        const QByteArray err = process.readAllStandardError();
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        if (example.html) {
            EXPECT_EQ(out, example.html->join(QStringLiteral("\r\n")) + u'\n');
        } else {
            EXPECT_TRUE(out.contains(QStringLiteral("</Font>"))) << out.toStdString();
        }
    }
}

}  // namespace
}  // namespace glimtex
