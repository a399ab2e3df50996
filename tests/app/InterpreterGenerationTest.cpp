#include "InterpreterFixture.h"
#include "app/ConfirmationBoardState.h"
#include "app/OutputWindowState.h"
#include "html/Collection.h"
#include "support/GoldenCases.h"

namespace glimtex::testing {
namespace {

// The macros of tests/data/macro-cases.txt and the collections they leave.
GoldenCases& Cases() {
    static GoldenCases cases(QStringLiteral(GLIMTEX_TEST_DATA_DIR "/macro-cases.txt"));
    return cases;
}
QStringList MacroOf(const char* name) {
    return Cases().Lines(QString::fromUtf8(name), QStringLiteral("macro"));
}
// The collection the case expects, given the one the program left.
QString CollectionOf(const char* name, const QString& left) {
    return Cases().ExpectCollection(QString::fromUtf8(name), QStringLiteral("html"), left);
}

// "AB", size 5, scrap shape, a gradation from black to white.
const char* const kCreateAB = "作成: AB、大きさ5、スクラップ、黒から白へ";

TEST_F(InterpreterTest, CreateDataCapturesGeneratesAndShowsTheOutput) {
    Run(MacroOf(kCreateAB));
    const QString fragmentAB = CollectionOf(kCreateAB, Collected());
    EXPECT_EQ(Collected(), fragmentAB);
    EXPECT_EQ(Settings().size, 5);
    EXPECT_EQ(program_.Find<ConfirmationBoardState>(), nullptr);
    ASSERT_NE(program_.Find<OutputWindowState>(), nullptr);
    EXPECT_EQ(program_.Find<OutputWindowState>()->Text(), fragmentAB);
    EXPECT_TRUE(feedback_.notices.isEmpty());
}

TEST_F(InterpreterTest, CreateDataStartsANewCollection) {
    const char* name = "作成し直し: 前の集まりを捨てる";
    const QString seeded = Seed(QStringLiteral("<old>"));
    Run(MacroOf(name));
    EXPECT_EQ(Collected(), CollectionOf(name, Collected()));
}

TEST_F(InterpreterTest, PlusCreateDocksAfterWhatWasCollected) {
    const char* name = "作成のあとにドッキング";
    Run(MacroOf(name));
    EXPECT_EQ(Collected(), CollectionOf(name, Collected()));
}

TEST_F(InterpreterTest, PlusCreateAsTheFirstRunHasNoLeadingLineBreak) {
    const char* name = "最初からドッキング";
    Run(MacroOf(name));
    EXPECT_EQ(Collected(), CollectionOf(name, Collected()));
}

TEST_F(InterpreterTest, AGradationTakesSixteenStopsAndEachRunItsFormat) {
    const char* name = "十六の色まで: 十七番目は鳴る、CSSとBBCodeで";
    Run(MacroOf(name));
    EXPECT_EQ(Collected(), CollectionOf(name, Collected()));
    EXPECT_EQ(feedback_.beeps, 2);  // the seventeenth stop and the unknown space
}

TEST_F(InterpreterTest, RefusedRunShowsItsNoticeAndTheMacroGoesOn) {
    Run({QStringLiteral("Set.MainString = \"AB\""),
         QStringLiteral("Set.StringShape = \"右下がり\""), QStringLiteral("Object.PlusCreate"),
         QStringLiteral("Set.MainString = \"after\"")});
    ASSERT_EQ(feedback_.notices.size(), 1);
    EXPECT_EQ(feedback_.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback_.notices[0].text, kRefusalMessage);
    EXPECT_NE(program_.Find<ConfirmationBoardState>(), nullptr);  // stays open
    EXPECT_EQ(program_.Find<OutputWindowState>(), nullptr);
    EXPECT_TRUE(Collected().isEmpty());
    EXPECT_EQ(Settings().text, QStringLiteral("after"));
}

TEST_F(InterpreterTest, SizeTextThatCannotBeCapturedStopsTheStatement) {
    const QString seeded = Seed(QStringLiteral("<kept>"));
    Window().Form().SetSizeText(QStringLiteral("large"));
    Run(QStringLiteral("Object.CreateData"));
    ASSERT_EQ(feedback_.notices.size(), 1);
    EXPECT_EQ(feedback_.notices[0].text, kSizeTextMessage);
    EXPECT_EQ(Collected(), seeded);
    EXPECT_EQ(program_.Find<ConfirmationBoardState>(), nullptr);
}

TEST_F(InterpreterTest, OutputFormatChoosesTheBytesOfTheNextRunsAndOutlastsAReset) {
    const char* legacy = "旧形式を選んでリセットして作成";
    Run(MacroOf(legacy));
    EXPECT_EQ(Settings().format, FragmentFormat::Legacy);
    EXPECT_EQ(Collected(), CollectionOf(legacy, Collected()));
    const char* html = "HTMLに戻して作成";
    Run(MacroOf(html));
    EXPECT_EQ(Collected(), CollectionOf(html, Collected()));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, OutputFormatOtherThanTheTwoTextsBeepsAndChangesNothing) {
    Run({QStringLiteral("Set.OutputFormat = \"旧形式\""),
         QStringLiteral("Set.OutputFormat = \"html\""),
         QStringLiteral("Set.OutputFormat = \"HTML（旧形式）\"")});
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_EQ(Settings().format, FragmentFormat::Legacy);
    Run(QStringLiteral("Set.OutputFormat = \"\""));
    EXPECT_EQ(feedback_.beeps, 3);  // the empty text's one beep
}

TEST_F(InterpreterTest, AFormatPinnedForTheRunOutranksTheStatement) {
    program_.Core().PinOutputFormat(FragmentFormat::Legacy);
    Run(QStringLiteral("Set.OutputFormat = \"HTML\""));
    EXPECT_EQ(Settings().format, FragmentFormat::Legacy);
}

}  // namespace
}  // namespace glimtex::testing
