// End-to-end runs of the glimtex-render executable in temporary program folders.

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Version.h"
#include "macro/TextFile.h"
#include "support/GoldenCases.h"
#include "support/ProcessRun.h"
#include "support/ProgramFolderCopy.h"

namespace glimtex {
namespace {

using testing::ProcessPlace;
using testing::ProcessRun;
using testing::RunProcess;

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QString ErrText() const { return QString::fromUtf8(err); }
};

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program_.isValid());
        ASSERT_TRUE(work_.isValid());
        WriteProgramFile(QStringLiteral("Default"), {});
    }

    void WriteProgramFile(const QString& name, const QStringList& lines) {
        ASSERT_TRUE(TextFile::WriteLines(program_.filePath(name), lines));
    }
    static QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A macro beside the tests, outside the program folder.
    QString WriteMacro(const QStringList& lines) {
        QString path = work_.filePath(QStringLiteral("macro.txt"));
        EXPECT_TRUE(TextFile::WriteLines(path, lines));
        return path;
    }

    Result Render(const QStringList& arguments,
                  const QString& executable = QStringLiteral(GLIMTEX_RENDER_EXE),
                  const QByteArray& input = {}) {
        ProcessPlace place;
        place.workingDirectory = work_.path();
        const ProcessRun run = RunProcess(executable, arguments, input, place);
        return {run.exitCode, run.out, run.err};
    }
    Result RenderMacro(const QStringList& lines, QStringList options = {}) {
        options << QStringLiteral("--program-dir") << program_.path() << WriteMacro(lines);
        return Render(options);
    }

    QTemporaryDir program_;
    QTemporaryDir work_;
};

// The macros of tests/data/render-cases.txt and what glimtex-render writes for them.
testing::GoldenCases& Cases() {
    static testing::GoldenCases cases(QStringLiteral(GLIMTEX_TEST_DATA_DIR "/render-cases.txt"));
    return cases;
}
QStringList LinesOf(const char* name, const char* key = "macro") {
    return Cases().Lines(QString::fromUtf8(name), QString::fromLatin1(key));
}
// What the case expects the run to write (its collection and one line feed), given
// what the run wrote.
QString Expected(const char* name, const QByteArray& out, const char* key = "html") {
    QString written = QString::fromUtf8(out);
    if (written.endsWith(u'\n')) written.chop(1);
    return Cases().ExpectCollection(QString::fromUtf8(name), QString::fromLatin1(key), written) +
           u'\n';
}

TEST_F(RenderTest, DecoratedFragmentIsWrittenInUtf8WithOneLineFeed) {
    const char* name = "日本語、太字、色、リンク";
    const Result r = RenderMacro(LinesOf(name));
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), Expected(name, r.out));
    EXPECT_TRUE(r.err.isEmpty()) << r.ErrText().toStdString();
}

TEST_F(RenderTest, DockingMacroCollectsTwoFragmentsSeparatedByCrLf) {
    const char* name = "作成とドッキング";
    const Result r = RenderMacro(LinesOf(name));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, Expected(name, r.out).toUtf8());
}

TEST_F(RenderTest, RefusedGenerationExitsWithOneAndReportsTheNotice) {
    const Result r = RenderMacro({QStringLiteral("Set.MainString = \"A\""),
                                  QStringLiteral("Set.StringShape = \"右下がり\""),
                                  QStringLiteral("Object.CreateData")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray("\n"));
    EXPECT_EQ(r.ErrText(), QStringLiteral("お知らせ: ソースの作成ができません\n"));
}

TEST_F(RenderTest, RefusalIsRememberedAfterALaterSuccessfulRun) {
    const char* name = "断られた作成のあとのドッキング";
    const Result r = RenderMacro(LinesOf(name));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, Expected(name, r.out).toUtf8());
}

TEST_F(RenderTest, BeepsAreReportedOneLineEach) {
    const Result r = RenderMacro(
        {QStringLiteral("Set.MainString = \"\""), QStringLiteral("Select.MojiSize = big")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QByteArray("beep\nbeep\n"));
}

TEST_F(RenderTest, MissingMacroIsAFileErrorWithOneLine) {
    const Result r = Render(
        {QStringLiteral("--program-dir"), program_.path(), QStringLiteral("no-such-macro.txt")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("no-such-macro.txt")));
}

TEST_F(RenderTest, MacroThatIsAWorkingFileIsRefusedAndLeftAsItWas) {
    // The start-up rewrites these files, so such a macro would be lost before it ran.
    for (const char* name : {"Buf.df", "Define.df", "MacroList.df", "Include.df"}) {
        const QString file = program_.filePath(QString::fromLatin1(name));
        WriteProgramFile(QString::fromLatin1(name), {QStringLiteral("Set.MainString = \"mine\""),
                                                     QStringLiteral("Object.CreateData")});
        const QByteArray before = ReadBytes(file);
        const Result r = Render({QStringLiteral("--program-dir"), program_.path(), file});
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_TRUE(r.out.isEmpty()) << name;
        EXPECT_EQ(r.err.count('\n'), 1) << r.ErrText().toStdString();
        EXPECT_EQ(ReadBytes(file), before) << name;
    }
}

TEST_F(RenderTest, MacroThatNeverSettlesExitsWithOne) {
    ASSERT_TRUE(QDir(program_.path()).mkdir(QStringLiteral("Include")));
    WriteProgramFile(QStringLiteral("Include/Self"), {QStringLiteral("#INCLUDE \"Self\"")});
    const Result r =
        RenderMacro({QStringLiteral("#INCLUDE \"Self\""), QStringLiteral("Set.MainString = \"x\""),
                     QStringLiteral("Object.CreateData")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QByteArray("\n"));
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("マクロの展開が終わりません")));
}

TEST_F(RenderTest, MacroPathIsTakenRelativeToTheCurrentFolder) {
    WriteMacro({QStringLiteral("Set.MainString = \"rel\""), QStringLiteral("Object.CreateData")});
    const Result r =
        Render({QStringLiteral("--program-dir"), program_.path(), QStringLiteral("macro.txt")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>rel</Font>\n"));
}

TEST_F(RenderTest, HelpPrintsTheUsageAndExitsWithZero) {
    const Result r = Render({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    const QString help = QString::fromUtf8(r.out);
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: glimtex-render")));
    EXPECT_TRUE(help.contains(QStringLiteral("answered Yes")));
    EXPECT_FALSE(QFile::exists(QDir(program_.path()).filePath(QStringLiteral("Buf.df"))));
}

TEST_F(RenderTest, VersionPrintsTheProgramsVersionAndExitsWithZero) {
    const Result r = Render({QStringLiteral("--version")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("glimtex-render ") + kVersion + u'\n');
}

TEST_F(RenderTest, FormatOptionChoosesTheBytesAndOutranksTheMacros) {
    const char* name = "大きさ2のA";
    const QStringList sized = LinesOf(name);
    const QByteArray plain = RenderMacro(sized).out;
    const QByteArray closed = Expected(name, plain).toUtf8();
    const QByteArray legacy =
        RenderMacro(sized, {QStringLiteral("--format"), QStringLiteral("legacy")}).out;
    const QByteArray old = Expected(name, legacy, "legacy").toUtf8();
    EXPECT_EQ(plain, closed);
    EXPECT_EQ(RenderMacro(sized, {QStringLiteral("--format"), QStringLiteral("html")}).out, closed);
    EXPECT_EQ(legacy, old);
    // The start-up's standing choice holds unless the option is given.
    WriteProgramFile(QStringLiteral("Default"), {QStringLiteral("Set.OutputFormat = \"旧形式\"")});
    EXPECT_EQ(RenderMacro(sized).out, old);
    const Result pinned =
        RenderMacro(QStringList{QStringLiteral("Set.OutputFormat = \"旧形式\"")} + sized,
                    {QStringLiteral("--format"), QStringLiteral("html")});
    EXPECT_EQ(pinned.out, closed);
    EXPECT_TRUE(pinned.err.isEmpty());
}

TEST_F(RenderTest, UsageErrorsExitWithTwo) {
    const QList<QStringList> bad{
        {QStringLiteral("--frobnicate")},
        {QStringLiteral("--encoding"), QStringLiteral("latin1")},
        {QStringLiteral("--format"), QStringLiteral("HTML")},
        {QStringLiteral("--program-dir")},
        {QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("--program-dir"), work_.filePath(QStringLiteral("nowhere"))}};
    for (const QStringList& arguments : bad) {
        const Result r = Render(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.ErrText().toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(RenderTest, Cp932OutputEncodesTheHtml) {
    const Result r = RenderMacro(
        {QStringLiteral("Set.MainString = \"日本\""), QStringLiteral("Object.CreateData")},
        {QStringLiteral("--encoding"), QStringLiteral("cp932")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>\x93\xfa\x96\x7b</Font>\n"));
}

TEST_F(RenderTest, Cp932PutsAQuestionMarkForWhatItCannotHold) {
    // A byte that code page 932 does not define reads as U+FFFD, which it cannot write.
    const QString path = work_.filePath(QStringLiteral("raw.txt"));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write(
        "Set.MainString = \"a\xfd"
        "b\"\r\nObject.CreateData\r\n");
    raw.close();
    const Result r = Render({QStringLiteral("--program-dir"), program_.path(),
                             QStringLiteral("--encoding=cp932"), path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>a?b</Font>\n"));
}

TEST_F(RenderTest, MissingDefaultIsReportedAndTheRunGoesOn) {
    ASSERT_TRUE(QFile::remove(program_.filePath(QStringLiteral("Default"))));
    const Result r = RenderMacro(
        {QStringLiteral("Set.MainString = \"x\""), QStringLiteral("Object.CreateData")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>x</Font>\n"));
    EXPECT_TRUE(r.ErrText().startsWith(QStringLiteral("お知らせ: 起動マクロ Default")));
}

TEST_F(RenderTest, StartupMacroOfTheProgramFolderRunsBeforeTheMacro) {
    const char* name = "起動マクロのあとのマクロ";
    WriteProgramFile(QStringLiteral("Default"), LinesOf(name, "default"));
    const Result r = RenderMacro(LinesOf(name));
    EXPECT_EQ(r.out, Expected(name, r.out).toUtf8());
}

TEST_F(RenderTest, WithoutProgramDirTheFolderOfTheExecutableIsUsed) {
    const QString copy = program_.filePath(QStringLiteral("glimtex-render"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMTEX_RENDER_EXE), copy));
    WriteProgramFile(QStringLiteral("Default"), {QStringLiteral("Set.MainString = \"own\""),
                                                 QStringLiteral("Object.CreateData")});
    const Result r = Render({}, copy);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>own</Font>\n"));
    EXPECT_TRUE(QFile::exists(program_.filePath(QStringLiteral("Buf.df"))));
}

TEST_F(RenderTest, BundledSampleMacroRendersWithTheBundledDefault) {
    const QDir data(QStringLiteral(GLIMTEX_DATA_DIR));
    ASSERT_TRUE(QFile::remove(program_.filePath(QStringLiteral("Default"))));
    ASSERT_TRUE(QFile::copy(data.filePath(QStringLiteral("Default")),
                            program_.filePath(QStringLiteral("Default"))));
    // Default registers every bundled macro, so they all come along.
    ASSERT_TRUE(testing::CopyFolder(data.filePath(QStringLiteral("Macro")),
                                    program_.filePath(QStringLiteral("Macro"))));
    const Result r = Render({QStringLiteral("--program-dir"), program_.path(),
                             program_.filePath(QStringLiteral("Macro/Rainbow"))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.ErrText().toStdString();
    const QString html = QString::fromUtf8(r.out);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<B><Font Color=#FF0000><Font Size=5>G")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("</Font></B>\n")));
    EXPECT_EQ(html.count(QStringLiteral("</Font>")), html.count(QStringLiteral("<Font ")));
}

const QByteArray kUtf8Macro =
    "\xEF\xBB\xBFSet.MainString = \"\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80\"\n"  // BOM, 日本😀
    "Object.CreateData\n";

TEST_F(RenderTest, Utf8MacroIsConvertedToCodePage932First) {
    const QString path = work_.filePath(QStringLiteral("utf8.mac"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kUtf8Macro);
    file.close();
    const Result r = Render({QStringLiteral("--program-dir"), program_.path(),
                             QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), path});
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("<Font Color=#000000>日本?</Font>\n"));
    EXPECT_EQ(ReadBytes(path), kUtf8Macro);  // the user's file is left as it was
}

TEST_F(RenderTest, DashReadsTheMacroFromStandardInput) {
    const Result r =
        Render({QStringLiteral("--program-dir"), program_.path(),
                QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")},
               QStringLiteral(GLIMTEX_RENDER_EXE), kUtf8Macro);
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("<Font Color=#000000>日本?</Font>\n"));
}

// Linux input methods type these with their JIS code points; code page 932 holds them
// as full-width forms, which the HTML then carries.
const QByteArray kJisFormsMacro =
    "Set.MainString = \"10\xE3\x80\x9C"
    "20\xE2\x80\x94\xE2\x80\x96\xE2\x88\x92\xC2\xA2\xC2\xA3\xC2\xAC\"\n"
    "Object.CreateData\n";

TEST_F(RenderTest, JisFormsTypedOnLinuxKeepTheirMeaningInTheHtml) {
    const QStringList utf8Macro{QStringLiteral("--program-dir"), program_.path(),
                                QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"),
                                QStringLiteral("-")};
    const Result r = Render(utf8Macro, QStringLiteral(GLIMTEX_RENDER_EXE), kJisFormsMacro);
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out),
              QStringLiteral("<Font Color=#000000>10～20―∥－￠￡￢</Font>\n"));
    EXPECT_TRUE(r.err.isEmpty()) << r.ErrText().toStdString();

    const Result cp932 =
        Render(utf8Macro + QStringList{QStringLiteral("--encoding"), QStringLiteral("cp932")},
               QStringLiteral(GLIMTEX_RENDER_EXE), kJisFormsMacro);
    EXPECT_EQ(cp932.out, QByteArray("<Font Color=#000000>10\x81\x60"
                                    "20\x81\x5c\x81\x61\x81\x7c\x81\x91\x81\x92\x81\xca"
                                    "</Font>\n"));
    EXPECT_TRUE(cp932.err.isEmpty());
}

TEST_F(RenderTest, UnmappableCharactersAreQuestionMarksToldOnceOnStandardError) {
    const QByteArray macro =
        "Set.MainString = \"a\xC2\xA9"
        "b\xF0\x9F\x98\x80\"\nObject.CreateData\n";  // a©b😀
    const Result r =
        Render({QStringLiteral("--program-dir"), program_.path(),
                QStringLiteral("--macro-encoding"), QStringLiteral("utf-8"), QStringLiteral("-")},
               QStringLiteral(GLIMTEX_RENDER_EXE), macro);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("<Font Color=#000000>a?b?</Font>\n"));
    EXPECT_EQ(r.err.count('\n'), 1) << r.ErrText().toStdString();
    EXPECT_TRUE(r.ErrText().contains(QStringLiteral("2 characters"))) << r.ErrText().toStdString();
}

TEST_F(RenderTest, StandardInputInCodePage932IsTakenAsItIs) {
    const QByteArray macro = "Set.MainString = \"\x93\xfa\"\r\nObject.CreateData\r\n";  // 日
    const Result r = Render({QStringLiteral("--program-dir"), program_.path(), QStringLiteral("-")},
                            QStringLiteral(GLIMTEX_RENDER_EXE), macro);
    EXPECT_EQ(r.exitCode, 0) << r.ErrText().toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("<Font Color=#000000>日</Font>\n"));
}

TEST_F(RenderTest, UnknownMacroEncodingIsAUsageError) {
    const Result r = RenderMacro({QStringLiteral("Object.CreateData")},
                                 {QStringLiteral("--macro-encoding"), QStringLiteral("latin1")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(RenderTest, LongCollectionIsWrittenWhole) {
    // Many times longer than the pieces the output is encoded in.
    QString line;
    for (int k = 0; k < 4000; ++k) line += QStringLiteral("日本語text");
    const QString fragment =
        QStringLiteral("<Font Color=#000000>") + line + QStringLiteral("</Font>");
    const QString expected = fragment + QStringLiteral("\r\n") + fragment + u'\n';
    const QStringList macro{QStringLiteral("Set.MainString = \"") + line + u'"',
                            QStringLiteral("Object.CreateData"),
                            QStringLiteral("Object.PlusCreate")};
    const Result utf8 = RenderMacro(macro);
    EXPECT_EQ(utf8.exitCode, 0);
    EXPECT_EQ(utf8.out, expected.toUtf8());
    const Result cp932 =
        RenderMacro(macro, {QStringLiteral("--encoding"), QStringLiteral("cp932")});
    EXPECT_EQ(cp932.exitCode, 0);
    EXPECT_EQ(cp932.out, TextFile::Encode(expected));
}

}  // namespace
}  // namespace glimtex
