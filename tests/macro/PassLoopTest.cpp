#include <QDateTime>
#include <QDirIterator>
#include <QMap>

#include "PreprocessorFixture.h"

namespace glimtex::testing {
namespace {

using PassLoop = PreprocessorFixture;

TEST_F(PassLoop, AMacroWithoutDefinesOrIncludesTakesOneCycle) {
    Work({"Set.A = 1", "#IF 1", "b", "#ENDIF"});
    EXPECT_TRUE(Loop());
    EXPECT_EQ(preprocessor_.PassCount(), 2);
    EXPECT_FALSE(preprocessor_.RunsAgain());
}

TEST_F(PassLoop, AFirstPassThatSetsTheFlagGivesExactlyTwoCycles) {
    Work({"#DEFINE _X __1", "Set.A = _X"});
    EXPECT_TRUE(Loop());
    EXPECT_EQ(preprocessor_.PassCount(), 4);
    EXPECT_EQ(WorkLines(), QStringList{"Set.A = 1"});
}

TEST_F(PassLoop, ResetsTheFlagAtTheStartOfEveryCycle) {
    // A pass before the loop that asks for another cycle.
    Work({"#DEFINE _X __1"});
    Pass();
    ASSERT_TRUE(preprocessor_.RunsAgain());
    const int passesBefore = preprocessor_.PassCount();
    Work({"a"});
    EXPECT_TRUE(Loop());
    EXPECT_EQ(preprocessor_.PassCount() - passesBefore, 2);
}

TEST_F(PassLoop, AnEmptyStartUpMacroTakesOneCycleAndLeavesOneEmptyLine) {
    WriteRaw("Default", QByteArray());
    ASSERT_TRUE(WorkingFiles::LoadWorkFile(folder_, PathOf("Default")));
    EXPECT_TRUE(Loop());
    EXPECT_EQ(preprocessor_.PassCount(), 2);
    EXPECT_EQ(ReadRaw("Buf.df"), QByteArray("\r\n"));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(PassLoop, IncludedDefinesAskForAnotherCycle) {
    Write("Include/colours", {"#DEFINE _RED __#FF0000", "#INCLUDE \"more\""});
    Write("Include/more", {"#DEFINE _BLUE __#0000FF"});
    EXPECT_EQ(Expand({"#INCLUDE \"colours\"", "c _RED _BLUE"}), QStringList{"c #FF0000 #0000FF"});
    EXPECT_EQ(Lines("Include.df"), QStringList{"#DEFINE _BLUE __#0000FF"});
    EXPECT_EQ(preprocessor_.PassCount(), 6);
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(PassLoop, IncludeNamesWithFoldersAndAbsoluteNamesAreUsedAsGiven) {
    Write("shared.txt", {"up"});
    Write("elsewhere.txt", {"abs"});
    const QString absolute = PathOf("elsewhere.txt");
    EXPECT_EQ(Expand({"#INCLUDE \"../shared.txt\"", "#INCLUDE \"" + absolute + "\""}),
              (QStringList{"up", "abs"}));
}

TEST_F(PassLoop, IncludingTheIncludeCopyGivesTheLastFileIncluded) {
    Write("Include/a", {"x"});
    Write("Include.df", {"stale"});
    Work({"#INCLUDE \"a\"", "#INCLUDE \"../Include.df\""});
    Pass();
    EXPECT_EQ(WorkLines(), (QStringList{"x", "x"}));
    EXPECT_EQ(Lines("Include.df"), QStringList{"x"});
}

TEST_F(PassLoop, TheProgramFolderIsNotTheCurrentFolder) {
    const QString before = QDir::currentPath();
    Write("Include/part", {"x"});
    EXPECT_EQ(Expand({"#INCLUDE \"part\""}), QStringList{"x"});
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_FALSE(QFileInfo::exists(QDir(before).filePath("Include.df")) &&
                 QDir(before) != QDir(temp_.path()));
}

// Everything under the program folder, with contents, except the four working files.
QMap<QString, QByteArray> Snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QStringList working = {"Buf.df", "Define.df", "MacroList.df", "Include.df"};
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (working.contains(name)) {
            continue;
        }
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

TEST_F(PassLoop, OnlyTheWorkingFilesChange) {
    Write("Default", {"#INCLUDE \"part\"", "#ADDITEM \"m\""});
    Write("Include/part", {"#DEFINE _A __1", "a _A"});
    Write("Macro/m", {"#HEAD \"T\",\"D\"", "x"});
    const auto before = Snapshot(temp_.path());
    ASSERT_TRUE(WorkingFiles::LoadWorkFile(folder_, PathOf("Default")));
    EXPECT_TRUE(Loop());
    EXPECT_EQ(WorkLines(), QStringList{"a 1"});
    EXPECT_EQ(Snapshot(temp_.path()), before);
}

TEST_F(PassLoop, WorkingFilesAreEmptiedAndTheWorkFileReplaced) {
    Write("Define.df", {"_OLD 1"});
    Write("MacroList.df", {"\"old\",\"t\",\"d\""});
    Write("Buf.df", {"left over"});
    Write("Default", {"new"});
    ASSERT_TRUE(WorkingFiles::EmptyDefineTable(folder_));
    ASSERT_TRUE(WorkingFiles::EmptyMacroList(folder_));
    ASSERT_TRUE(WorkingFiles::LoadWorkFile(folder_, PathOf("Default")));
    EXPECT_EQ(ReadRaw("Define.df"), QByteArray());
    EXPECT_EQ(ReadRaw("MacroList.df"), QByteArray());
    EXPECT_EQ(ReadRaw("Buf.df"), QByteArray("new\r\n"));
    EXPECT_EQ(ReadRaw("Default"), QByteArray("new\r\n"));
}

}  // namespace
}  // namespace glimtex::testing
