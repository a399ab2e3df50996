#include <gtest/gtest.h>

#include <algorithm>

#include "GeneratorTestSettings.h"
#include "html/BoardSummary.h"

namespace glimtex {
namespace {

using testing::PlainSettings;

std::vector<std::string> Texts(const QList<SummaryLine>& lines) {
    std::vector<std::string> texts;
    for (const SummaryLine& line : lines) texts.push_back(line.text.toStdString());
    return texts;
}

bool Contains(const QList<SummaryLine>& lines, const char* text) {
    return lines.contains(SummaryLine{QString::fromUtf8(text), false});
}

TEST(BoardSummary, PlainSettingsLineByLine) {
    const QList<SummaryLine> lines = BoardSummary(PlainSettings(QStringLiteral("Test")));
    const std::vector<std::string> expected{
        "　Glimtexは以下の情報を確保しました。",
        "作成された情報を確認してください",
        "",
        "◇文字列",
        "　　→Test",
        "",
        "◇文字のサイズなど についての情報",
        "　　→文字サイズ 未設定",
        "",
        "◇文字修飾 についての情報",
        "",
        "◇文字の色 についての情報",
        "　　→色スタイル",
        "　　　　>単色",
        "　　→色情報",
        "　　　　>A色 RGB(0, 0, 0)",
        "",
        "◇文字の形状 についての情報",
        "　　→文字の形状",
        "　　　　>標準",
        "",
        "◇背景 についての情報",
        "　　→背景スタイル",
        "　　　　>なし",
        "",
        "◇リンク についての情報",
        "　　→なし",
        "",
    };
    EXPECT_EQ(Texts(lines), expected);
    for (const SummaryLine& line : lines) EXPECT_FALSE(line.red);
}

TEST(BoardSummary, EveryOptionalLine) {
    DecorationSettings s = PlainSettings(QStringLiteral("ab"));
    s.MojiSize = -3;
    s.MojiStyle = 2;
    s.FontFace = QStringLiteral("ＭＳ 明朝");
    s.SpGroup = {1, 1, 1, 1};
    s.ColorStyle = QStringLiteral("グラデーション");
    s.ColorData = {ColorTriple{1, 2, 3}, ColorTriple{255, 128, 0}};
    s.StringShape = QStringLiteral("レンズ");
    s.BackStyle = QStringLiteral("単色");
    s.BackColorData = {9, 99, 999};
    s.LinkStyle = QStringLiteral("リンク設定");
    s.LinkData = QStringLiteral("a.html");
    const std::vector<std::string> expected{
        "　Glimtexは以下の情報を確保しました。",
        "作成された情報を確認してください",
        "",
        "◇文字列",
        "　　→ab",
        "",
        "◇文字のサイズなど についての情報",
        "　　→文字サイズ -3",
        "　　→文字位置",
        "　　　　>下付文字",
        "　　→使用フォント ＭＳ 明朝",
        "",
        "◇文字修飾 についての情報",
        "　　→太字",
        "　　→斜体",
        "　　→アンダーライン",
        "　　→削除線",
        "",
        "◇文字の色 についての情報",
        "　　→色スタイル",
        "　　　　>グラデーション",
        "　　→色情報",
        "　　　　>A色 RGB(1, 2, 3)",
        "　　　　>B色 RGB(255, 128, 0)",
        "",
        "◇文字の形状 についての情報",
        "　　→文字の形状",
        "　　　　>レンズ",
        "",
        "◇背景 についての情報",
        "　　→背景スタイル",
        "　　　　>単色",
        "　　→背景色",
        "　　　　>RGB(9, 99, 999)",
        "",
        "◇リンク についての情報",
        "　　→リンク設定",
        "　　　　>a.html",
        "",
    };
    EXPECT_EQ(Texts(BoardSummary(s)), expected);
}

TEST(BoardSummary, SizeAndSuperscript) {
    DecorationSettings s = PlainSettings(QString());
    s.MojiSize = 5;
    s.MojiStyle = 1;
    const QList<SummaryLine> lines = BoardSummary(s);
    EXPECT_TRUE(Contains(lines, "　　→文字サイズ 5"));
    EXPECT_TRUE(Contains(lines, "　　　　>上付文字"));
    EXPECT_TRUE(Contains(lines, "　　→"));  // the empty text
}

TEST(BoardSummary, PictureBackgroundAndEmptyLink) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.BackStyle = QStringLiteral("画像");
    s.BackPicture = QStringLiteral("wall.jpg");
    s.LinkStyle = QStringLiteral("リンク設定");
    const std::vector<std::string> texts = Texts(BoardSummary(s));
    const std::vector<std::string> tail{"◇背景 についての情報",
                                        "　　→背景スタイル",
                                        "　　　　>画像",
                                        "　　→背景画像ファイル",
                                        "　　　　>wall.jpg",
                                        "",
                                        "◇リンク についての情報",
                                        "　　→リンク設定",
                                        "　　　　>",
                                        ""};
    EXPECT_EQ(std::vector<std::string>(texts.end() - 10, texts.end()), tail);
}

TEST(BoardSummary, OtherStylesShowOnlyTheirText) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.ColorStyle = QStringLiteral("虹色");
    s.BackStyle = QStringLiteral("模様");
    s.LinkStyle = QString();
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
    s.StringShape = QStringLiteral("右下がり");
    const QList<SummaryLine> lines = BoardSummary(s);
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines.last(), (SummaryLine{QStringLiteral("文字サイズの未設定によるエラー"), true}));
    for (qsizetype k = 0; k + 1 < lines.size(); ++k) EXPECT_FALSE(lines[k].red);
}

TEST(BoardSummary, SuperscriptStillShowsTheError) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.StringShape = QStringLiteral("スクラップ");
    s.MojiStyle = 1;
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
