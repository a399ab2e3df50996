// The model of a fragment says what the fragment's tags say, and recording it leaves
// the HTML exactly as it is.
#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "core/StyleNames.h"
#include "html/FragmentModel.h"
#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

using testing::ColorsOf;
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
    out.html = generator.Fragment().toStdString();
    return out;
}

DecorationSettings Decorated(const QString& text, const char* shape, int16_t size) {
    DecorationSettings s = PlainSettings(text);
    StyleNames::StoreShape(s, QString::fromUtf8(shape));
    s.size = size;
    s.colorStyle = ColorStyle::Gradation;
    s.colors = {ColorTriple{0, 0, 0}, ColorTriple{255, 128, 10}};
    return s;
}

TEST(FragmentModel, RecordingLeavesTheHtmlAsItIs) {
    for (const char* shape : {"標準", "右下がり", "左下がり", "レンズ", "スクラップ"}) {
        DecorationSettings s = Decorated(QStringLiteral("Glimtex 𠮷 line"), shape, 2);
        s.background = Background::Color;
        s.link = LinkStyle::Address;
        s.linkAddress = QStringLiteral("a.html");
        s.emphasis = Emphasis{true, true, true, true};
        s.face = QStringLiteral("Arial");
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
            if (m.hasColor) {
                colours.push_back(
                    (QLatin1Char('#') + HtmlGenerator::HexColor(m.color)).toStdString());
            }
        }
        EXPECT_EQ(sizes, SizesOf(r.html)) << shape;
        EXPECT_EQ(colours, ColorsOf(r.html)) << shape;
    }
}

TEST(FragmentModel, SmallMarksAndSurrogatePairs) {
    DecorationSettings s = PlainSettings(QStringLiteral("a𠮷b"));
    s.shape = SizeShape::Scrap;
    s.size = 2;
    const Recorded r = Record(s);
    ASSERT_EQ(r.model.characters.size(), 3u);
    EXPECT_EQ(r.model.characters[1].size.kind, SizeMark::Kind::Small);
    EXPECT_EQ(r.model.characters[1].length, 2);
    EXPECT_EQ(r.model.characters[2].start, 3);
    EXPECT_EQ(r.model.htmlLength, static_cast<qsizetype>(QString::fromStdString(r.html).size()));
}

TEST(FragmentModel, StyleFollowsTheOpeningTags) {
    DecorationSettings s = PlainSettings(QStringLiteral("ab"));
    s.position = Position::Subscript;
    // As the settings cases read the flags: one counts only when it is exactly 1.
    ASSERT_TRUE(testing::SetSetting(s, QStringLiteral("SpGroup"), QStringLiteral("0, 1, 2, 1")));
    s.background = Background::Picture;
    s.backgroundPicture = QStringLiteral("wall.gif");
    s.colors[0] = {1, 2, 3};
    const FragmentStyle style = Record(s).model.style;
    EXPECT_EQ(style.position, Position::Subscript);
    EXPECT_FALSE(style.emphasis.bold);
    EXPECT_TRUE(style.emphasis.italic);
    EXPECT_FALSE(style.emphasis.underline);
    EXPECT_TRUE(style.emphasis.strikeThrough);
    EXPECT_EQ(style.background, Background::Picture);
    EXPECT_EQ(style.backgroundPicture, QStringLiteral("wall.gif"));
    EXPECT_TRUE(style.singleColor);
    EXPECT_EQ(style.color, (ColorTriple{1, 2, 3}));
    EXPECT_FALSE(style.hasFace);
    EXPECT_FALSE(style.link);

    StyleNames::StoreBackground(
        s, QStringLiteral("其他"));  // no table opens, "</TABLE>" is still written
    EXPECT_EQ(Record(s).model.style.background, Background::Unknown);
}

TEST(FragmentModel, AFailedBuildLeavesAnEmptyModel) {
    DecorationSettings s = Decorated(QStringLiteral("ab"), "標準", 0);
    s.colors = {ColorTriple{-30000, 0, 0}, ColorTriple{30000, 0, 0}};
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
