#include "engine/MacroInterpreter.h"

#include "InterpreterFixture.h"

namespace glimtex::testing {
namespace {

// --- How a line is cut into verb, property and value ---

TEST_F(InterpreterTest, SetMainStringFillsTheTextBoxAndTheSetting) {
    Run(QStringLiteral("Set.MainString = \"こんにちは\""));
    EXPECT_EQ(Controls().EditBox, QStringLiteral("こんにちは"));
    EXPECT_EQ(Settings().text, QStringLiteral("こんにちは"));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, LowerCaseVerbDoesNothing) {
    Run(QStringLiteral("set.text = \"x\""));
    EXPECT_FALSE(program_.MainWindowLoaded());
    EXPECT_TRUE(Settings().text.isEmpty());
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, PropertyWithoutTheBlankBeforeEqualsDoesNothing) {
    Run(QStringLiteral("Set.MainString=\"x\""));
    EXPECT_FALSE(program_.MainWindowLoaded());
    EXPECT_TRUE(Settings().text.isEmpty());
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, OnlyTheTextBetweenTheFirstTwoQuotesIsApplied) {
    Run(QStringLiteral("Set.MainString = \"abc\" def \"ghi\""));
    EXPECT_EQ(Controls().EditBox, QStringLiteral("abc"));
}

TEST_F(InterpreterTest, ValueAfterTheFirstEqualsSignKeepsLaterEqualsSigns) {
    Run(QStringLiteral("Set.LinkData = \"index.html?a=1\""));
    EXPECT_EQ(Controls().LinkDataEdit, QStringLiteral("index.html?a=1"));
}

TEST_F(InterpreterTest, ValueWithoutEqualsSignIsTheRestOfTheLine) {
    Run(QStringLiteral("Set.MainString \"abc\""));
    EXPECT_EQ(Controls().EditBox, QStringLiteral("abc"));
}

TEST_F(InterpreterTest, LinesThatAreNotStatementsAreSkippedSilently) {
    Run({QString(), QStringLiteral("#ENDIF"), QStringLiteral("MainString = \"x\""),
         QStringLiteral(".MainString = \"x\""), QStringLiteral("Set.Unknown = \"x\""),
         QStringLiteral("Paint.text = \"x\""), QStringLiteral(" Set.MainString = \"x\"")});
    EXPECT_FALSE(program_.MainWindowLoaded());
    EXPECT_EQ(feedback_.beeps, 0);
    EXPECT_TRUE(feedback_.notices.isEmpty());
}

TEST_F(InterpreterTest, MissingWorkFileBeepsAndRunsNothing) {
    MacroInterpreter(program_.Core()).RunFile(QStringLiteral("NoSuchFile.df"));
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_FALSE(program_.MainWindowLoaded());
}

// --- Quoted texts ---

TEST_F(InterpreterTest, EmptyLinkStyleBeepsAndTheSelectorPutsNashiBack) {
    Run(QStringLiteral("Set.LinkStyle = \"リンク設定\""));
    ASSERT_TRUE(Controls().LinkDataVisible);
    Run(QStringLiteral("Set.LinkStyle = \"\""));
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(Controls().LinkStyleCombo.text, QStringLiteral("なし"));
    EXPECT_FALSE(Controls().LinkDataVisible);
}

TEST_F(InterpreterTest, EmptyQuotedTextIsAppliedAfterTheBeep) {
    Run({QStringLiteral("Set.MainString = \"abc\""), QStringLiteral("Set.MainString = \"\"")});
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_TRUE(Controls().EditBox.isEmpty());
    EXPECT_TRUE(Settings().text.isEmpty());
}

TEST_F(InterpreterTest, MissingQuotesCountAsAnEmptyText) {
    Run(QStringLiteral("Set.BackPicture = back.gif"));
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_TRUE(Controls().BackPictureEdit.isEmpty());
}

TEST_F(InterpreterTest, AddFontDataTwiceListsTheFaceTwice) {
    Run({QStringLiteral("Add.FontData = \"ＭＳ 明朝\""),
         QStringLiteral("Add.FontData = \"ＭＳ 明朝\"")});
    EXPECT_EQ(Controls().FontSelectCombo.items,
              (QStringList{QStringLiteral("NULL"), QStringLiteral("ＭＳ 明朝"),
                           QStringLiteral("ＭＳ 明朝")}));
    EXPECT_EQ(Controls().FontSelectCombo.text, QStringLiteral("NULL"));
}

TEST_F(InterpreterTest, TextStatementsFillTheirControls) {
    Run({QStringLiteral("Set.FontDefault = \"Arial\""),
         QStringLiteral("Set.BackPicture = \"back.gif\""),
         QStringLiteral("Set.LinkData = \"http:\"")});
    EXPECT_EQ(Controls().FontSelectCombo.text, QStringLiteral("Arial"));
    EXPECT_EQ(Controls().BackPictureEdit, QStringLiteral("back.gif"));
    EXPECT_EQ(Controls().LinkDataEdit, QStringLiteral("http:"));
    // Controls reach the settings only at the next capture.
    EXPECT_TRUE(Settings().face.isEmpty());
    EXPECT_TRUE(Settings().backgroundPicture.isEmpty());
}

TEST_F(InterpreterTest, StyleStatementsRunTheirSelectors) {
    Run({QStringLiteral("Set.ColorStyle = \"グラデーション\""),
         QStringLiteral("Set.BackStyle = \"画像\""),
         QStringLiteral("Set.StringShape = \"レンズ\"")});
    EXPECT_TRUE(Controls().ColorBox[1].visible);
    EXPECT_TRUE(Controls().ChangeButtonVisible);
    EXPECT_TRUE(Controls().BackPictureVisible);
    EXPECT_FALSE(Controls().BackColorBox.visible);
    const int sizes[] = {28, 26, 24, 22, 24, 26, 28};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Controls().TestLabel[i].fontSize, sizes[i]) << i;
}

TEST_F(InterpreterTest, ColorStyleOutsideTheListEndsAsSingleColor) {
    Run(QStringLiteral("Set.ColorStyle = \"虹色\""));
    EXPECT_EQ(Controls().ColorStyleCombo.text, QStringLiteral("単色"));
    EXPECT_FALSE(Controls().ColorBox[1].visible);
}

// --- Integers ---

TEST_F(InterpreterTest, MojiSizeIsShownWithoutLeadingZeros) {
    Run(QStringLiteral("Select.MojiSize = 03"));
    EXPECT_EQ(Controls().MojiSizeCombo.text, QStringLiteral("3"));
    EXPECT_EQ(Settings().size, 0);  // not captured yet
}

TEST_F(InterpreterTest, MojiSizeThatIsNoWhole16BitNumberBeepsAndDoesNothing) {
    for (const char* value : {"x", "3.5", "32768", "", "3 4"}) {
        Run(QStringLiteral("Select.MojiSize = ") + QString::fromLatin1(value));
    }
    EXPECT_EQ(feedback_.beeps, 5);
    EXPECT_EQ(Controls().MojiSizeCombo.text, QStringLiteral("0"));
}

TEST_F(InterpreterTest, MojiStyleSelectsTheOptionButtonAndSetsTheSetting) {
    Run(QStringLiteral("Select.MojiStyle = 2"));
    EXPECT_EQ(Controls().OptionGroup, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(Settings().position, Position::Subscript);
}

TEST_F(InterpreterTest, MojiStyleOutsideTheButtonsBeepsAndDoesNothing) {
    Run({QStringLiteral("Select.MojiStyle = 1"), QStringLiteral("Select.MojiStyle = 3"),
         QStringLiteral("Select.MojiStyle = -1")});
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_EQ(Settings().position, Position::Superscript);
    EXPECT_EQ(Controls().OptionGroup, (std::array<bool, 3>{false, true, false}));
}

TEST_F(InterpreterTest, SpGroupTwiceChecksTheUnderlineBoxOnce) {
    Run({QStringLiteral("Select.SpGroup = 2"), QStringLiteral("Select.SpGroup = 2")});
    EXPECT_EQ(Controls().SpGroup_Check, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(Settings().emphasis, (Emphasis{false, false, true, false}));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, SpGroupOutsideTheCheckBoxesBeepsAndDoesNothing) {
    Run({QStringLiteral("Select.SpGroup = 4"), QStringLiteral("Select.SpGroup = -1"),
         QStringLiteral("Select.SpGroup = one")});
    EXPECT_EQ(feedback_.beeps, 3);
    EXPECT_EQ(Settings().emphasis, (Emphasis{}));
}

TEST_F(InterpreterTest, NewDataCreateWithZeroDoesNothing) {
    Run({QStringLiteral("Set.MainString = \"keep\""), QStringLiteral("Select.MojiSize = 4"),
         QStringLiteral("Object.NewDataCreate = 0")});
    EXPECT_EQ(Settings().text, QStringLiteral("keep"));
    EXPECT_EQ(Controls().MojiSizeCombo.text, QStringLiteral("4"));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, NewDataCreateWithOneResetsAndCaptures) {
    const QString seeded = Seed(QStringLiteral("kept"));
    Run({QStringLiteral("Set.MainString = \"gone\""),
         QStringLiteral("Set.ColorStyle = \"グラデーション\""),
         QStringLiteral("Object.NewDataCreate = 1")});
    EXPECT_TRUE(Controls().EditBox.isEmpty());
    EXPECT_EQ(Settings().colorStyle, ColorStyle::Single);
    EXPECT_EQ(Settings().face, QStringLiteral("NULL"));
    EXPECT_EQ(Collected(), seeded);
}

}  // namespace
}  // namespace glimtex::testing
