#include "PreprocessorFixture.h"

namespace glimtex::testing {
namespace {

using PreprocessorNormalising = PreprocessorFixture;

TEST_F(PreprocessorNormalising, CommentBlankAndTabLinesVanishAndIndentGoes) {
    Work({"// only a comment", "", "\t\t", "\t  Set.A  =\t1 // why", "    Set.B = 2"});
    Pass();
    EXPECT_EQ(ReadRaw("Buf.df"), QByteArray("Set.A = 1 \r\nSet.B = 2\r\n\r\n"));
}

TEST_F(PreprocessorNormalising, ACommentStartsEvenInsideQuotes) {
    Work({"Set.LinkURL = \"http://example.jp/\""});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"Set.LinkURL = \"http:"});
}

TEST_F(PreprocessorNormalising, CrOnlyLineEndsKeepTheLinesApart) {
    WriteRaw("Buf.df", "Set.A = 1 // first\rSet.B = 2\r");
    Pass();
    EXPECT_EQ(ReadRaw("Buf.df"), QByteArray("Set.A = 1 \r\nSet.B = 2\r\n\r\n"));
}

TEST_F(PreprocessorNormalising, TheWorkFileEndsWithOneEmptyLine) {
    Work({});
    Pass();
    EXPECT_EQ(ReadRaw("Buf.df"), QByteArray("\r\n"));
    Work({"a", "b"});
    EXPECT_TRUE(Loop());
    EXPECT_EQ(ReadRaw("Buf.df"), QByteArray("a\r\nb\r\n\r\n"));
}

TEST_F(PreprocessorNormalising, AJapaneseMacroKeepsEveryByte) {
    const QByteArray macro =
        "Set.MainString = \"\x93\xfa\x96\x7b\x8c\xea\x81\x40\x83\x65\x83\x4c\x83\x58\x83\x67"
        "\"\r\nSet.Font = \"\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e\"\r\n";
    WriteRaw("Buf.df", macro);
    EXPECT_TRUE(Loop());
    EXPECT_EQ(ReadRaw("Buf.df"), macro + "\r\n");
    EXPECT_EQ(WorkLines()[0], QStringLiteral("Set.MainString = \"日本語　テキスト\""));
}

using PreprocessorDefine = PreprocessorFixture;

TEST_F(PreprocessorDefine, ReplacesOneOccurrencePerDefinitionLineAndPass) {
    Work({"#DEFINE _X __1", "a _X _X"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"a 1 _X"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"a 1 1"});
    EXPECT_EQ(Lines("Define.df"), QStringList{"_X 1"});
}

TEST_F(PreprocessorDefine, TakesEffectOnlyForTheLinesAfterIt) {
    Work({"v _X", "#DEFINE _X __1 2", "w _X"});
    Pass();
    EXPECT_EQ(WorkLines(), (QStringList{"v _X", "w 1 2"}));
    EXPECT_TRUE(preprocessor_.RunsAgain());
}

TEST_F(PreprocessorDefine, AValueHoldingAnEarlierNameIsStoredReplaced) {
    Work({"#DEFINE _A __red", "#DEFINE _B __[_A]", "c _B"});
    Pass();
    EXPECT_EQ(Lines("Define.df"), (QStringList{"_A red", "_B [red]"}));
    EXPECT_EQ(WorkLines(), QStringList{"c [red]"});
}

TEST_F(PreprocessorDefine, ANameCannotBeRedefined) {
    EXPECT_EQ(Expand({"#DEFINE _X __1", "#DEFINE _X __2", "v _X"}), QStringList{"v 1"});
    EXPECT_EQ(Lines("Define.df").first(), QStringLiteral("_X 1"));
}

TEST_F(PreprocessorDefine, ANameBeginningWithAnEarlierNameIsRewritten) {
    EXPECT_EQ(Expand({"#DEFINE _A __1", "#DEFINE _AB __2", "v _AB"}), QStringList{"v 1B"});
}

TEST_F(PreprocessorDefine, TheValueStartsAfterTheFirstDoubleUnderscore) {
    Work({"#DEFINE _T __Hello  World", "#DEFINE _E __", "#DEFINE _U ___x"});
    Pass();
    EXPECT_EQ(Lines("Define.df"), (QStringList{"_T Hello World", "_E ", "_U _x"}));
}

TEST_F(PreprocessorDefine, ALineSubstitutedToNothingIsNotWritten) {
    Work({"#DEFINE _E __", "_E", "v"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"v"});
}

TEST_F(PreprocessorDefine, TheTableReadsAsTheFileWouldGiveItBack) {
    Work({"#DEFINE _E __€ 円", "v _E"});
    Pass();
    EXPECT_EQ(ReadRaw("Define.df"), QByteArray("_E ? \x89\x7e\r\n"));
    EXPECT_EQ(WorkLines(), QStringList{"v ? 円"});
}

TEST_F(PreprocessorDefine, AFileIncludedLaterInThePassSeesTheDefinitionsMadeBeforeIt) {
    Work({"#DEFINE _Q __x", "#INCLUDE \"../Define.df\""});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"_Q x"});
    EXPECT_EQ(Lines("Include.df"), QStringList{"_Q x"});
}

using PreprocessorIfdef = PreprocessorFixture;

const QStringList kIfdefBlock = {"#IFDEF X", "yes", "#ELSEDEF", "no", "#ENDDEF"};

TEST_F(PreprocessorIfdef, AfterItsDefineWaitsForTheNextCycleAndIsDefined) {
    Work(QStringList{"#DEFINE _X __1"} + kIfdefBlock);
    Pass();
    EXPECT_EQ(WorkLines(), kIfdefBlock);
    EXPECT_TRUE(Loop());
    EXPECT_EQ(WorkLines(), QStringList{"yes"});
}

TEST_F(PreprocessorIfdef, BeforeItsDefineIsDecidedAtOnceAsNotDefined) {
    EXPECT_EQ(Expand(kIfdefBlock + QStringList{"#DEFINE _X __1"}), QStringList{"no"});
}

TEST_F(PreprocessorIfdef, ATrailingSpaceBelongsToTheName) {
    EXPECT_EQ(Expand({"#DEFINE _X __1", "#IFDEF X ", "yes", "#ELSEDEF", "no", "#ENDDEF"}),
              QStringList{"no"});
}

TEST_F(PreprocessorIfdef, BlockLinesAreCopiedForTheNextPassUnsubstituted) {
    Write("Define.df", {"_X 1"});
    Work({"#IFDEF X", "v _X", "#ENDDEF"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"v _X"});
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"v 1"});
}

TEST_F(PreprocessorIfdef, AByteThatDoesNotDecodeReadsAsTheQuestionMarkTheFileHolds) {
    WriteRaw("Define.df", "_X? 1\r\n");
    WriteRaw("Buf.df", "#IFDEF X\x80\r\nyes\r\n#ELSEDEF\r\nno\r\n#ENDDEF\r\nv _X\xff\r\n");
    Pass();
    EXPECT_EQ(WorkLines(), (QStringList{"yes", "v 1"}));
}

using PreprocessorIf = PreprocessorFixture;

QStringList IfBlock(const QString& condition) {
    return {"#IF " + condition, "then", "#ELSE", "else", "#ENDIF", "after"};
}

TEST_F(PreprocessorIf, OnlyOneTakesTheBlock) {
    EXPECT_EQ(Expand(IfBlock("0")), (QStringList{"else", "after"}));
    EXPECT_EQ(Expand(IfBlock("1")), (QStringList{"then", "after"}));
    EXPECT_EQ(Expand(IfBlock("2")), (QStringList{"else", "after"}));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(PreprocessorIf, TestsTheValueOfADefinedName) {
    EXPECT_EQ(Expand(QStringList{"#DEFINE _DEBUG __1"} + IfBlock("_DEBUG")),
              (QStringList{"then", "after"}));
}

TEST_F(PreprocessorIf, ElsedefCountsAsAnElseLine) {
    EXPECT_EQ(Expand({"#IF 1", "a", "#ELSEDEF", "b", "#ENDIF", "c"}), (QStringList{"a", "c"}));
    EXPECT_EQ(Expand({"#IF 0", "a", "#ELSEDEF", "b", "#ENDIF", "c"}), (QStringList{"b", "c"}));
}

TEST_F(PreprocessorIf, BlocksDoNotNest) {
    Work({"#IF 1", "#IF 0", "x", "#ENDIF", "y", "#ENDIF"});
    Pass();
    EXPECT_EQ(WorkLines(), (QStringList{"#IF 0", "x", "y", "#ENDIF"}));
}

TEST_F(PreprocessorIf, ABlockOfTheOtherKindIsLeftForTheNextPass) {
    Work({"#IFDEF X", "n", "#ELSEDEF", "#IF 0", "a", "#ELSE", "b", "#ENDIF", "#ENDDEF"});
    Pass();
    EXPECT_EQ(WorkLines(), (QStringList{"#IF 0", "a", "#ELSE", "b", "#ENDIF"}));
    Pass();
    EXPECT_EQ(WorkLines(), QStringList{"b"});
}

using PreprocessorOtherWords = PreprocessorFixture;

TEST_F(PreprocessorOtherWords, AStrayEndifAloneStaysAndWithTextIsDropped) {
    EXPECT_EQ(Expand({"#ENDIF", "#ENDIF x", "#HEAD \"T\",\"D\"", "#define _X __1", "#X y", "a"}),
              (QStringList{"#ENDIF", "a"}));
    EXPECT_EQ(feedback_.beeps, 0);
}

}  // namespace
}  // namespace glimtex::testing
