#include "engine/Startup.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/MainWindowState.h"
#include "app/Program.h"
#include "core/Feedback.h"
#include "core/Version.h"
#include "macro/TextFile.h"
#include "support/ProgramFolderCopy.h"
#include "support/RecordingFeedback.h"

namespace glimtex {
namespace {

class NoClipboard : public Clipboard {
  public:
    void SetText(const QString&) override {}
};

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QStringList& lines) {
        const QFileInfo info(PathOf(name));
        ASSERT_TRUE(QDir().mkpath(info.absolutePath()));
        ASSERT_TRUE(TextFile::WriteLines(info.filePath(), lines));
    }
    QStringList Lines(const QString& name) const {
        return TextFile::ReadLines(PathOf(name)).value_or(QStringList{QStringLiteral("<none>")});
    }
    StartupOutcome RunStartup() {
        Startup startup(program_.Core());
        startup.Run();
        codeLabel_ = startup.CodeLabel();
        return startup.Outcome();
    }

    QTemporaryDir dir_;
    RecordingFeedback feedback_;
    NoClipboard clipboard_;
    Program program_{dir_.path(), feedback_, clipboard_};
    QString codeLabel_;
};

TEST_F(StartupTest, ShowsTheBuildIdentifier) {
    Write(QStringLiteral("Default"), {});
    RunStartup();
    EXPECT_EQ(codeLabel_, kVersion);
}

TEST_F(StartupTest, EmptyDefaultRunsOneCycleAndNoStatements) {
    Write(QStringLiteral("Default"), {});
    EXPECT_EQ(RunStartup(), StartupOutcome::Done);
    EXPECT_FALSE(program_.MainWindowLoaded());
    EXPECT_EQ(feedback_.beeps, 0);
    EXPECT_TRUE(feedback_.notices.isEmpty());
    // Each pass leaves the remaining lines and one empty line.
    EXPECT_EQ(Lines(QStringLiteral("Buf.df")), QStringList{QString()});
}

TEST_F(StartupTest, LeftoverWorkingFilesAreEmptiedOrReplaced) {
    Write(QStringLiteral("Define.df"), {QStringLiteral("_OLD stale")});
    Write(QStringLiteral("MacroList.df"), {QStringLiteral("\"Old\",\"Old\",\"Old\"")});
    Write(QStringLiteral("Buf.df"), {QStringLiteral("Set.MainString = \"stale\"")});
    Write(QStringLiteral("Default"), {QStringLiteral("Set.MainString = \"fresh\"")});
    EXPECT_EQ(RunStartup(), StartupOutcome::Done);
    EXPECT_TRUE(Lines(QStringLiteral("Define.df")).isEmpty());
    EXPECT_TRUE(Lines(QStringLiteral("MacroList.df")).isEmpty());
    EXPECT_EQ(program_.Settings().text, QStringLiteral("fresh"));
    EXPECT_EQ(Lines(QStringLiteral("Buf.df")),
              (QStringList{QStringLiteral("Set.MainString = \"fresh\""), QString()}));
}

TEST_F(StartupTest, MissingSideFilesAreCreatedEmpty) {
    Write(QStringLiteral("Default"), {QStringLiteral("// nothing")});
    RunStartup();
    EXPECT_TRUE(QFile::exists(PathOf(QStringLiteral("Define.df"))));
    EXPECT_TRUE(QFile::exists(PathOf(QStringLiteral("MacroList.df"))));
}

TEST_F(StartupTest, DefinitionInTheFirstPassGivesExactlyTwoCycles) {
    // Each pass replaces one occurrence of _X per line: four passes leave the fifth.
    Write(QStringLiteral("Default"),
          {QStringLiteral("#DEFINE _X __1"), QStringLiteral("Set.MainString = \"_X_X_X_X_X\"")});
    EXPECT_EQ(RunStartup(), StartupOutcome::Done);
    EXPECT_EQ(program_.Settings().text, QStringLiteral("1111_X"));
    EXPECT_EQ(Lines(QStringLiteral("Define.df")), QStringList{QStringLiteral("_X 1")});
}

TEST_F(StartupTest, StatementsTouchTheMainWindowAfterItsLoadDefaults) {
    Write(QStringLiteral("Default"), {QStringLiteral("Set.ColorData = 0,255,0,0"),
                                      QStringLiteral("Add.FontData = \"Arial\"")});
    RunStartup();
    ASSERT_TRUE(program_.MainWindowLoaded());
    EXPECT_EQ(program_.Settings().colors[0], (ColorTriple{255, 0, 0}));
    EXPECT_EQ(program_.MainWindow().Controls().FontSelectCombo.items,
              (QStringList{QStringLiteral("NULL"), QStringLiteral("Arial")}));
}

TEST_F(StartupTest, MissingDefaultGivesANoticeAndTheProgramGoesOn) {
    Write(QStringLiteral("Buf.df"), {QStringLiteral("Set.MainString = \"stale\"")});
    EXPECT_EQ(RunStartup(), StartupOutcome::DefaultMissing);
    ASSERT_EQ(feedback_.notices.size(), 1);
    EXPECT_EQ(feedback_.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback_.notices[0].text, kDefaultMissingMessage);
    EXPECT_EQ(codeLabel_, kVersion);
    EXPECT_FALSE(program_.MainWindowLoaded());  // the stale work file was not run
    EXPECT_TRUE(program_.Settings().text.isEmpty());
    EXPECT_TRUE(Lines(QStringLiteral("MacroList.df")).isEmpty());
    // The main window still comes up with its own defaults.
    EXPECT_EQ(program_.MainWindow().Controls().EditBox, QStringLiteral("Test"));
}

TEST_F(StartupTest, FolderWhereFilesCannotBeWrittenGivesANotice) {
    RecordingFeedback feedback;
    Program program(dir_.filePath(QStringLiteral("no/such/folder")), feedback, clipboard_);
    Startup startup(program.Core());
    startup.Run();
    EXPECT_EQ(startup.Outcome(), StartupOutcome::WorkFilesUnwritable);
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].text, kStartupFilesMessage);
    EXPECT_FALSE(program.MainWindowLoaded());
}

TEST_F(StartupTest, ADefaultLinkToNothingIsNamedAsSuch) {
    ASSERT_TRUE(QFile::link(PathOf(QStringLiteral("gone")), PathOf(QStringLiteral("Default"))));
    EXPECT_EQ(RunStartup(), StartupOutcome::DefaultMissing);
    ASSERT_FALSE(feedback_.notices.isEmpty());
    EXPECT_EQ(feedback_.notices.last().text, kDefaultDanglingMessage);
}

TEST_F(StartupTest, DefaultThatIsAFolderCountsAsMissing) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Default")));
    EXPECT_EQ(RunStartup(), StartupOutcome::DefaultMissing);
}

TEST_F(StartupTest, MacroThatNeverSettlesIsStoppedAndNotRun) {
    Write(QStringLiteral("Include/Self"), {QStringLiteral("#INCLUDE \"Self\"")});
    Write(QStringLiteral("Default"),
          {QStringLiteral("#INCLUDE \"Self\""), QStringLiteral("Set.MainString = \"never\"")});
    EXPECT_EQ(RunStartup(), StartupOutcome::PassLoopStopped);
    ASSERT_FALSE(feedback_.notices.isEmpty());
    EXPECT_EQ(feedback_.notices.last().text, kPassLoopStoppedMessage);
    EXPECT_FALSE(program_.MainWindowLoaded());
}

TEST_F(StartupTest, AMacroLongerThanAPassMayWriteIsSaidToBeTooLong) {
    QStringList lines;
    const QString line = QStringLiteral("Set.MainString = \"%1\"").arg(QString(90, u'x'));
    while (lines.size() * (line.size() + 2) < 1'100'000) lines << line;
    Write(QStringLiteral("Default"), lines);
    EXPECT_EQ(RunStartup(), StartupOutcome::PassLoopStopped);
    ASSERT_FALSE(feedback_.notices.isEmpty());
    EXPECT_EQ(feedback_.notices.last().text, kPassLoopTooLongMessage);
}

TEST_F(StartupTest, WorksFromAnotherCurrentFolder) {
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    Write(QStringLiteral("Default"), {QStringLiteral("Set.MainString = \"here\"")});
    RunStartup();
    QDir::setCurrent(previous);
    EXPECT_EQ(program_.Settings().text, QStringLiteral("here"));
    EXPECT_TRUE(QFile::exists(PathOf(QStringLiteral("Buf.df"))));
    EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath(QStringLiteral("Buf.df"))));
}

// --- Applying a macro as the picker does ---

TEST_F(StartupTest, TemporaryFilesOfAKilledRunAreRemovedAndNothingElse) {
    for (const char* name : {"Buf.df.tmp3f9a0c", "Define.df.tmp1", ".bundled.tmpabcdef",
                             "Notes.tmp12", "Buf.df.tmp-mine", "Buf.df.tmp12345678901234567"}) {
        Write(QString::fromLatin1(name), {QStringLiteral("x")});
    }
    RunStartup();
    const QStringList left =
        QDir(dir_.path()).entryList({QStringLiteral("*.tmp*")}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{QStringLiteral("Buf.df.tmp-mine"),
                                 QStringLiteral("Buf.df.tmp12345678901234567"),
                                 QStringLiteral("Notes.tmp12")}));
}

TEST_F(StartupTest, AStormOfNoticesShowsFiveAndThenHowManyWereLeftOut) {
    QStringList storm{QStringLiteral("Set.MainString = \"x\""),
                      QStringLiteral("Set.StringShape = \"レンズ\"")};
    for (int k = 0; k < 2000; ++k) storm << QStringLiteral("Object.CreateData");
    Write(QStringLiteral("Default"), storm);
    RunStartup();
    ASSERT_EQ(feedback_.notices.size(), 6);
    EXPECT_EQ(feedback_.notices[4].text, QStringLiteral("ソースの作成ができません"));
    EXPECT_EQ(feedback_.notices[5].text, QStringLiteral("ほかに 1995 件のお知らせがありました"));
    EXPECT_EQ(feedback_.leftOut.size(), 1995);

    // The next run has a budget of its own.
    Write(QStringLiteral("Macro/Two"),
          {QStringLiteral("Object.CreateData"), QStringLiteral("Object.CreateData")});
    EXPECT_TRUE(ApplyMacro(program_.Core(), PathOf(QStringLiteral("Macro/Two"))));
    EXPECT_EQ(feedback_.notices.size(), 8);
}

TEST_F(StartupTest, ApplyMacroRunsTheFileWithAFreshDefineTable) {
    Write(QStringLiteral("Default"), {QStringLiteral("#DEFINE _OLD __1")});
    RunStartup();
    Write(QStringLiteral("Macro/Title"),
          {QStringLiteral("#DEFINE _T __見出し"), QStringLiteral("Set.MainString = \"_T\"")});
    EXPECT_TRUE(ApplyMacro(program_.Core(), PathOf(QStringLiteral("Macro/Title"))));
    EXPECT_EQ(program_.Settings().text, QStringLiteral("見出し"));
    EXPECT_EQ(Lines(QStringLiteral("Define.df")), QStringList{QStringLiteral("_T 見出し")});
}

TEST_F(StartupTest, ApplyMacroKeepsTheMacroList) {
    Write(QStringLiteral("Macro/Other"), {QStringLiteral("#HEAD \"Other\",\"About\"")});
    Write(QStringLiteral("Default"), {QStringLiteral("#ADDITEM \"Other\"")});
    RunStartup();
    Write(QStringLiteral("Macro/Empty"), {});
    EXPECT_TRUE(ApplyMacro(program_.Core(), PathOf(QStringLiteral("Macro/Empty"))));
    EXPECT_EQ(Lines(QStringLiteral("MacroList.df")),
              QStringList{QStringLiteral("\"Other\",\"Other\",\"About\"")});
}

TEST_F(StartupTest, ApplyMacroOfAMissingFileGivesANoticeAndFalse) {
    Write(QStringLiteral("Buf.df"), {QStringLiteral("Set.MainString = \"stale\"")});
    EXPECT_FALSE(ApplyMacro(program_.Core(), PathOf(QStringLiteral("Macro/None"))));
    ASSERT_EQ(feedback_.notices.size(), 1);
    EXPECT_TRUE(feedback_.notices[0].text.startsWith(kMacroUnreadableMessage));
    EXPECT_TRUE(program_.Settings().text.isEmpty());
}

// --- The start-up macro that ships with the program ---

TEST_F(StartupTest, BundledDefaultAddsFontsRegistersItsSampleAndGeneratesNothing) {
    const QDir data(QStringLiteral(GLIMTEX_DATA_DIR));
    ASSERT_TRUE(
        QFile::copy(data.filePath(QStringLiteral("Default")), PathOf(QStringLiteral("Default"))));
    // Default registers every bundled macro, so they all come along.
    ASSERT_TRUE(testing::CopyFolder(data.filePath(QStringLiteral("Macro")),
                                    PathOf(QStringLiteral("Macro"))));
    EXPECT_EQ(RunStartup(), StartupOutcome::Done);
    EXPECT_EQ(feedback_.beeps, 0);
    EXPECT_TRUE(feedback_.notices.isEmpty());
    EXPECT_TRUE(program_.Core().Collected().Text().isEmpty());
    EXPECT_EQ(program_.Find<ConfirmationBoardState>(), nullptr);
    const QStringList faces = program_.MainWindow().Controls().FontSelectCombo.items;
    EXPECT_TRUE(faces.contains(QStringLiteral("ＭＳ Ｐゴシック")));
    EXPECT_TRUE(faces.contains(QStringLiteral("Times New Roman")));
    const QStringList list = Lines(QStringLiteral("MacroList.df"));
    ASSERT_EQ(list.size(),
              QDir(data.filePath(QStringLiteral("Macro"))).entryList(QDir::Files).size());
    EXPECT_TRUE(list[0].startsWith(QStringLiteral("\"Rainbow\",\"虹色の見出し\",\"")));

    EXPECT_TRUE(ApplyMacro(program_.Core(), PathOf(QStringLiteral("Macro/Rainbow"))));
    EXPECT_EQ(feedback_.beeps, 0);
    EXPECT_TRUE(feedback_.notices.isEmpty());
    EXPECT_TRUE(
        program_.Core().Collected().Text().startsWith(QStringLiteral("<B><Font Color=#FF0000>")));
    EXPECT_NE(program_.Find<OutputWindowState>(), nullptr);
}

}  // namespace
}  // namespace glimtex
