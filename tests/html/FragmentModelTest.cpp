// The model of a fragment says what the fragment's tags say, and recording it leaves
// the HTML exactly as it is.
#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/FragmentModel.h"
#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

using testing::ColoursOf;
using testing::PlainSettings;
using testing::SizesOf;

struct Recorded {
    std::string html;
    FragmentModel model;
};

Recorded Record(const DecorationSettings& s) {
    Recorded out;
    HtmlGenerator generator;
    generator.RecordInto(&out.model);
    EXPECT_TRUE(generator.Build(s));
    out.html = generator.MainHTML().toStdString();
    return out;
}

DecorationSettings Decorated(const QString& text, const char* shape, int16_t size) {
    DecorationSettings s = PlainSettings(text);
    s.StringShape = QString::fromUtf8(shape);
    s.MojiSize = size;
    s.ColorStyle = QStringLiteral("グラデーション");
    s.ColorData = {ColorTriple{0, 0, 0}, ColorTriple{255, 128, 10}};
    return s;
}

TEST(FragmentModel, RecordingLeavesTheHtmlAsItIs) {
    for (const char* shape : {"標準", "右下がり", "左下がり", "レンズ", "スクラップ"}) {
        DecorationSettings s = Decorated(QStringLiteral("Glimtex 𠮷 line"), shape, 2);
        s.BackStyle = QStringLiteral("単色");
        s.LinkStyle = QStringLiteral("リンク設定");
        s.LinkData = QStringLiteral("a.html");
        s.SpGroup = {1, 1, 1, 1};
        s.FontFace = QStringLiteral("Arial");
        EXPECT_EQ(Record(s).html, testing::Fragment(s)) << shape;
    }
}

TEST(FragmentModel, MarksAreTheTagsOfEachCharacter) {
    for (const char* shape : {"右下がり", "左下がり", "レンズ", "スクラップ"}) {
        const Recorded r = Record(Decorated(QStringLiteral("abcdefghijkl"), shape, 4));
        std::vector<int> sizes;
        std::vector<std::string> colours;
        for (const CharacterMarks& m : r.model.characters) {
            if (m.size.kind == SizeMark::Kind::Size) sizes.push_back(m.size.size);
            if (m.hasColour) {
                colours.push_back(
                    (QLatin1Char('#') + HtmlGenerator::GetHColorCode(m.colour)).toStdString());
            }
        }
        EXPECT_EQ(sizes, SizesOf(r.html)) << shape;
        EXPECT_EQ(colours, ColoursOf(r.html)) << shape;
    }
}

TEST(FragmentModel, SmallMarksAndSurrogatePairs) {
    DecorationSettings s = PlainSettings(QStringLiteral("a𠮷b"));
    s.StringShape = QStringLiteral("スクラップ");
    s.MojiSize = 2;
    const Recorded r = Record(s);
    ASSERT_EQ(r.model.characters.size(), 3u);
    EXPECT_EQ(r.model.characters[1].size.kind, SizeMark::Kind::Small);
    EXPECT_EQ(r.model.characters[1].length, 2);
    EXPECT_EQ(r.model.characters[2].start, 3);
    EXPECT_EQ(r.model.htmlLength, static_cast<qsizetype>(QString::fromStdString(r.html).size()));
}

TEST(FragmentModel, StyleFollowsTheOpeningTags) {
    DecorationSettings s = PlainSettings(QStringLiteral("ab"));
    s.MojiStyle = 2;
    s.SpGroup = {0, 1, 2, 1};  // a flag counts only when it is exactly 1
    s.BackStyle = QStringLiteral("画像");
    s.BackPicture = QStringLiteral("wall.gif");
    s.ColorData[0] = {1, 2, 3};
    const FragmentStyle style = Record(s).model.style;
    EXPECT_EQ(style.position, FragmentStyle::Position::Sub);
    EXPECT_FALSE(style.bold);
    EXPECT_TRUE(style.italic);
    EXPECT_FALSE(style.underline);
    EXPECT_TRUE(style.strike);
    EXPECT_EQ(style.background, FragmentStyle::Background::Picture);
    EXPECT_EQ(style.backPicture, QStringLiteral("wall.gif"));
    EXPECT_TRUE(style.singleColour);
    EXPECT_EQ(style.colour, (ColorTriple{1, 2, 3}));
    EXPECT_FALSE(style.hasFace);
    EXPECT_FALSE(style.link);

    s.BackStyle = QStringLiteral("其他");  // no table opens, "</TABLE>" is still written
    EXPECT_EQ(Record(s).model.style.background, FragmentStyle::Background::Unknown);
}

TEST(FragmentModel, AFailedBuildLeavesAnEmptyModel) {
    DecorationSettings s = Decorated(QStringLiteral("ab"), "標準", 0);
    s.ColorData = {ColorTriple{-30000, 0, 0}, ColorTriple{30000, 0, 0}};
    FragmentModel model;
    model.text = QStringLiteral("old");
    HtmlGenerator generator;
    generator.RecordInto(&model);
    EXPECT_FALSE(generator.Build(s));
    EXPECT_TRUE(model.text.isEmpty());
    EXPECT_TRUE(model.characters.empty());
}

}  // namespace
}  // namespace glimtex
