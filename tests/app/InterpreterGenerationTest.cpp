#include "InterpreterFixture.h"
#include "app/ConfirmationBoard.h"
#include "app/OutputWindow.h"
#include "html/Collection.h"

namespace glimtex::testing {
namespace {

// "AB", size 5, scrap shape, a gradation from black to white.
const QString kFragmentAB = QStringLiteral(
    "<Font Color=#000000><Font Size=5>A<Font Color=#808080><Font Size=4>B"
    "</Font></Font></Font></Font>");

const QStringList kDecorateAB{QStringLiteral("Set.MainString = \"AB\""),
                              QStringLiteral("Select.MojiSize = 5"),
                              QStringLiteral("Set.StringShape = \"スクラップ\""),
                              QStringLiteral("Set.ColorStyle = \"グラデーション\""),
                              QStringLiteral("Set.ColorData = 0,0,0,0"),
                              QStringLiteral("Set.ColorData = 1,255,255,255")};

TEST_F(InterpreterTest, CreateDataCapturesGeneratesAndShowsTheOutput) {
    Run(kDecorateAB + QStringList{QStringLiteral("Object.CreateData")});
    EXPECT_EQ(Collected(), kFragmentAB);
    EXPECT_EQ(Settings().MojiSize, 5);
    EXPECT_EQ(program_.Find<ConfirmationBoardState>(), nullptr);
    ASSERT_NE(program_.Find<OutputWindowState>(), nullptr);
    EXPECT_EQ(program_.Find<OutputWindowState>()->HTMLStringBox(), kFragmentAB);
    EXPECT_TRUE(feedback_.notices.isEmpty());
}

TEST_F(InterpreterTest, CreateDataStartsANewCollection) {
    const QString seeded = Seed(QStringLiteral("<old>"));
    Run(kDecorateAB + QStringList{QStringLiteral("Object.CreateData = 1")});
    EXPECT_EQ(Collected(), kFragmentAB);
}

TEST_F(InterpreterTest, PlusCreateDocksAfterWhatWasCollected) {
    Run(kDecorateAB + QStringList{QStringLiteral("Object.CreateData"),
                                  QStringLiteral("Set.MainString = \"C\""),
                                  QStringLiteral("Set.ColorStyle = \"単色\""),
                                  QStringLiteral("Set.StringShape = \"標準\""),
                                  QStringLiteral("Object.PlusCreate")});
    EXPECT_EQ(Collected(),
              kFragmentAB + QStringLiteral("\r\n<Font Color=#000000><Font Size=5>C</Font></Font>"));
}

TEST_F(InterpreterTest, PlusCreateAsTheFirstRunHasNoLeadingLineBreak) {
    Run(kDecorateAB + QStringList{QStringLiteral("Object.PlusCreate")});
    EXPECT_EQ(Collected(), kFragmentAB);
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
    EXPECT_EQ(Settings().MainString, QStringLiteral("after"));
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
    Run(kDecorateAB + QStringList{QStringLiteral("Set.OutputFormat = \"旧形式\""),
                                  QStringLiteral("Object.NewDataCreate = 1"),
                                  QStringLiteral("Set.MainString = \"x\""),
                                  QStringLiteral("Select.MojiSize = 2"),
                                  QStringLiteral("Object.CreateData")});
    EXPECT_EQ(Settings().OutputFormat, FragmentFormat::Legacy);
    EXPECT_EQ(Collected(), QStringLiteral("<Font Color=#000000><Font Size=2>x</Font>"));
    Run({QStringLiteral("Set.OutputFormat = \"HTML\""), QStringLiteral("Object.CreateData")});
    EXPECT_EQ(Collected(), QStringLiteral("<Font Color=#000000><Font Size=2>x</Font></Font>"));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(InterpreterTest, OutputFormatOtherThanTheTwoTextsBeepsAndChangesNothing) {
    Run({QStringLiteral("Set.OutputFormat = \"旧形式\""),
         QStringLiteral("Set.OutputFormat = \"html\""),
         QStringLiteral("Set.OutputFormat = \"HTML（旧形式）\"")});
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_EQ(Settings().OutputFormat, FragmentFormat::Legacy);
    Run(QStringLiteral("Set.OutputFormat = \"\""));
    EXPECT_EQ(feedback_.beeps, 3);  // the empty text's one beep
}

TEST_F(InterpreterTest, AFormatPinnedForTheRunOutranksTheStatement) {
    program_.Core().PinOutputFormat(FragmentFormat::Legacy);
    Run(QStringLiteral("Set.OutputFormat = \"HTML\""));
    EXPECT_EQ(Settings().OutputFormat, FragmentFormat::Legacy);
}

}  // namespace
}  // namespace glimtex::testing
