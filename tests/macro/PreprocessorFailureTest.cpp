#include "PreprocessorFixture.h"

#include <sys/stat.h>

namespace glimtex::testing {
namespace {

using PreprocessorFailure = PreprocessorFixture;

TEST_F(PreprocessorFailure, AMissingIncludeFileBeepsOnceAndIncludesNothing) {
    Work({"a", "#INCLUDE \"nowhere\"", "b"});
    Pass();
    EXPECT_EQ(WorkLines(), (QStringList{"a", "b"}));
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_TRUE(preprocessor_.RunsAgain());
    EXPECT_FALSE(QFileInfo::exists(PathOf("Include.df")));
}

TEST_F(PreprocessorFailure, AMissingIncludeStillLetsTheLoopSettle) {
    EXPECT_EQ(Expand({"#INCLUDE \"nowhere\"", "a"}), QStringList{"a"});
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(preprocessor_.PassCount(), 4);
}

TEST_F(PreprocessorFailure, AnIncludeOfAFolderCountsAsMissing) {
    EXPECT_EQ(Expand({"#INCLUDE \".\"", "a"}), QStringList{"a"});
    EXPECT_EQ(feedback_.beeps, 1);
}

TEST_F(PreprocessorFailure, AnIncludeOrAnAddItemOfADeviceBeepsAndAddsNothing) {
    // Endless bytes: reading them whole ran the program out of memory.
    EXPECT_EQ(Expand({"#INCLUDE \"/dev/zero\"", "#ADDITEM \"/dev/zero\"", "a"}), QStringList{"a"});
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_EQ(Lines("MacroList.df"), QStringList{});
    EXPECT_FALSE(QFileInfo::exists(PathOf("Include.df")));
}

TEST_F(PreprocessorFailure, AnIncludeOfAFifoBeepsInsteadOfWaitingForAWriter) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("Include/pipe")).constData(), 0600), 0);
    EXPECT_EQ(Expand({"#INCLUDE \"pipe\"", "#ADDITEM \"../Include/pipe\"", "a"}), QStringList{"a"});
    EXPECT_EQ(feedback_.beeps, 2);
    // A console says which file and why.
    ASSERT_EQ(feedback_.details.size(), 2);
    EXPECT_TRUE(feedback_.details[0].contains(QStringLiteral("\"pipe\": not a plain file")));
    EXPECT_TRUE(feedback_.details[1].contains(QStringLiteral("not a plain file")));
}

TEST_F(PreprocessorFailure, ANameHoldingANulCharacterNamesNoFile) {
    // The system would read the name only up to the NUL: "a" here.
    Write("Include/a", {"from a"});
    EXPECT_EQ(Expand({QStringLiteral("#INCLUDE \"a") + QChar(0) + QStringLiteral("b\""), "x"}),
              QStringList{"x"});
    EXPECT_EQ(feedback_.beeps, 1);
}

TEST_F(PreprocessorFailure, AnIncludeWithoutAQuotedNameBeeps) {
    EXPECT_EQ(Expand({"#INCLUDE part", "#INCLUDE \"\"", "a"}), QStringList{"a"});
    EXPECT_EQ(feedback_.beeps, 2);
}

TEST_F(PreprocessorFailure, AMissingDefineTableBeepsAndCountsAsEmpty) {
    QFile::remove(PathOf("Define.df"));
    Work({"#IFDEF X", "yes", "#ELSEDEF", "no", "#ENDDEF"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"no"});
    EXPECT_EQ(feedback_.beeps, 1);
}

TEST_F(PreprocessorFailure, AMissingDefineTableIsCreatedByADefine) {
    QFile::remove(PathOf("Define.df"));
    Work({"#DEFINE _X __1", "v _X"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"v 1"});
    EXPECT_EQ(Lines("Define.df"), QStringList{"_X 1"});
    EXPECT_EQ(feedback_.beeps, 1);
}

TEST_F(PreprocessorFailure, AFileEndingInsideABlockEndsTheBlockThere) {
    EXPECT_EQ(Expand({"a", "#IF 1", "b", "c"}), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Expand({"#IF 0", "b", "#ELSE", "c"}), QStringList{"c"});
    EXPECT_EQ(Expand({"#IFDEF X", "b", "#ELSEDEF", "c", "d"}), (QStringList{"c", "d"}));
    EXPECT_EQ(Expand({"#IF 1", "b", "#ELSE", "c"}), QStringList{"b"});
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(PreprocessorFailure, AConditionThatIsNotA16BitWholeNumberBeepsAndIsNotTaken) {
    for (const QString condition : {"one", "40000", "1.0", "", "-32769"}) {
        feedback_.beeps = 0;
        EXPECT_EQ(Expand({"#IF " + condition, "then", "#ELSE", "else", "#ENDIF"}),
                  QStringList{"else"})
            << condition.toStdString();
        EXPECT_EQ(feedback_.beeps, 1) << condition.toStdString();
    }
}

TEST_F(PreprocessorFailure, ANumberWithSpacesOrSignIsRead) {
    EXPECT_EQ(Expand({"#IF  +1 ", "then", "#ENDIF"}), QStringList{"then"});
    EXPECT_EQ(Expand({"#IF -1", "then", "#ENDIF"}), QStringList{});
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(PreprocessorFailure, AMissingWorkFileBeepsAndNothingElse) {
    QFile::remove(PathOf("Define.df"));
    QFile::remove(PathOf("MacroList.df"));
    EXPECT_TRUE(Loop());
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(preprocessor_.LastPassOutcome(), PassOutcome::WorkFileMissing);
    EXPECT_TRUE(QDir(temp_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PreprocessorFailure, AMacroThatIncludesItselfIsStopped) {
    Write("Include/self", {"#INCLUDE \"self\"", "x"});
    Work({"#INCLUDE \"self\""});
    EXPECT_FALSE(Loop());
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(preprocessor_.PassCount(), 2 * preprocessor_.Limits().maxCycles);
    EXPECT_EQ(WorkLines().size(), 2 * preprocessor_.Limits().maxCycles + 1);
}

TEST_F(PreprocessorFailure, AMacroThatIncludesItselfThroughAnotherIsStopped) {
    Write("Include/a", {"#INCLUDE \"b\"", "#INCLUDE \"b\""});
    Write("Include/b", {"#INCLUDE \"a\"", "#DEFINE _N __n"});
    Work({"#INCLUDE \"a\""});
    PreprocessLimits limits;
    limits.maxWorkChars = qsizetype{64} * 1024;
    preprocessor_.SetLimits(limits);
    EXPECT_FALSE(Loop());
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(preprocessor_.LastPassOutcome(), PassOutcome::Stopped);
    // The work file keeps the last pass that stayed within the bound.
    EXPECT_LE(QFileInfo(PathOf("Buf.df")).size(), limits.MaxFileBytes());
    EXPECT_LE(QFileInfo(PathOf("Define.df")).size(), limits.MaxFileBytes() + 16);
}

TEST_F(PreprocessorFailure, AnIncludeLargerThanTheBoundIsNotRead) {
    PreprocessLimits limits;
    limits.maxWorkChars = 1000;
    preprocessor_.SetLimits(limits);
    WriteRaw("Include/big", QByteArray(4000, 'x'));
    Work({"#INCLUDE \"big\""});
    EXPECT_FALSE(Loop());
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(WorkLines(), QStringList{"#INCLUDE \"big\""});
    EXPECT_EQ(preprocessor_.LastPassOutcome(), PassOutcome::FileTooLarge);
    ASSERT_EQ(feedback_.details.size(), 1);
    EXPECT_TRUE(feedback_.details[0].contains(QStringLiteral("\"big\": the file is larger than")));
}

TEST_F(PreprocessorFailure, ADoublingMacroStopsWithinTheDefaultBound) {
    Write("Include/twice", {"#INCLUDE \"twice\"", "#INCLUDE \"twice\""});
    Work({"#INCLUDE \"twice\""});
    EXPECT_FALSE(Loop());
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_LE(QFileInfo(PathOf("Buf.df")).size(), preprocessor_.Limits().MaxFileBytes());
}

}  // namespace
}  // namespace glimtex::testing
