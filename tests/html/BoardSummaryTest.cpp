#include <gtest/gtest.h>

#include <algorithm>

#include "GeneratorTestSettings.h"
#include "core/StyleNames.h"
#include "html/BoardSummary.h"
#include "support/BoardLines.h"
#include "support/GoldenCases.h"

namespace glimtex {
namespace {

using testing::PlainSettings;

bool Contains(const QList<SummaryLine>& lines, const char* text) {
    return lines.contains(SummaryLine{QString::fromUtf8(text), false});
}

// The board's lines for a case of tests/data/board-summaries.txt, as printed and as
// the case expects them.
struct BoardCase {
    std::vector<std::string> printed;
    std::vector<std::string> expected;
};

BoardCase Board(const QString& name) {
    testing::GoldenCases golden(testing::kBoardCasesPath);
    const QStringList printed = testing::BoardLines(BoardSummary(golden.Case(name).settings));
    const QStringList expected = golden.ExpectLines(name, QStringLiteral("board"), printed);
    BoardCase lines;
    for (const QString& line : printed) lines.printed.push_back(line.toStdString());
    for (const QString& line : expected) lines.expected.push_back(line.toStdString());
    return lines;
}

TEST(BoardSummary, PlainSettingsLineByLine) {
    const BoardCase board = Board(QStringLiteral("標準の設定"));  // "Test", plain
    EXPECT_EQ(board.printed, board.expected);
    for (const SummaryLine& line : BoardSummary(PlainSettings(QStringLiteral("Test")))) {
        EXPECT_FALSE(line.red);
    }
}

TEST(BoardSummary, EveryOptionalLine) {
    const BoardCase board = Board(QStringLiteral("省略できる行のすべて"));
    EXPECT_EQ(board.printed, board.expected);
}

TEST(BoardSummary, EveryStopTheSpaceAndWhatBbcodeLeavesOut) {
    const BoardCase board = Board(QStringLiteral("四つの色をOKLabで、BBCodeに"));
    EXPECT_EQ(board.printed, board.expected);
}

TEST(BoardSummary, SizeAndSuperscript) {
    DecorationSettings s = PlainSettings(QString());
    s.size = 5;
    s.position = Position::Superscript;
    const QList<SummaryLine> lines = BoardSummary(s);
    EXPECT_TRUE(Contains(lines, "　　→文字サイズ 5"));
    EXPECT_TRUE(Contains(lines, "　　　　>上付文字"));
    EXPECT_TRUE(Contains(lines, "　　→"));  // the empty text
}

TEST(BoardSummary, PictureBackgroundAndEmptyLink) {
    // The background and link parts, the last ten lines.
    const BoardCase board = Board(QStringLiteral("画像の背景と空のリンク"));
    ASSERT_GE(board.printed.size(), 10u);
    ASSERT_GE(board.expected.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(board.printed.end() - 10, board.printed.end()),
              std::vector<std::string>(board.expected.end() - 10, board.expected.end()));
}

TEST(BoardSummary, OtherStylesShowOnlyTheirText) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    StyleNames::StoreColorStyle(s, QStringLiteral("虹色"));
    StyleNames::StoreBackground(s, QStringLiteral("模様"));
    s.link = LinkStyle::None;
    const QList<SummaryLine> lines = BoardSummary(s);
    EXPECT_TRUE(Contains(lines, "　　　　>虹色"));
    EXPECT_TRUE(Contains(lines, "　　　　>A色 RGB(0, 0, 0)"));
    EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const SummaryLine& l) {
        return l.text.contains(QStringLiteral("B色"));
    }));
    EXPECT_TRUE(Contains(lines, "　　　　>模様"));
    EXPECT_FALSE(Contains(lines, "　　→背景色"));
    EXPECT_FALSE(Contains(lines, "　　→背景画像ファイル"));
    EXPECT_TRUE(Contains(lines, "　　→なし"));
}

TEST(BoardSummary, ShapeWithoutSizeEndsWithTheRedError) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.shape = SizeShape::FallRight;
    const QList<SummaryLine> lines = BoardSummary(s);
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines.last(), (SummaryLine{QStringLiteral("文字サイズの未設定によるエラー"), true}));
    for (qsizetype k = 0; k + 1 < lines.size(); ++k) EXPECT_FALSE(lines[k].red);
}

TEST(BoardSummary, SuperscriptStillShowsTheError) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.shape = SizeShape::Scrap;
    s.position = Position::Superscript;
    const QList<SummaryLine> lines = BoardSummary(s);
    EXPECT_TRUE(lines.last().red);
    EXPECT_EQ(lines.last().text, QStringLiteral("文字サイズの未設定によるエラー"));
}

TEST(BoardSummary, StandardShapeWithoutSizeHasNoError) {
    const QList<SummaryLine> lines = BoardSummary(PlainSettings(QStringLiteral("a")));
    EXPECT_EQ(lines.size(), 28);
    EXPECT_FALSE(lines.last().red);
}

}  // namespace
}  // namespace glimtex
