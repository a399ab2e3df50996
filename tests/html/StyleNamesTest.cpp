#include <gtest/gtest.h>

#include <initializer_list>

#include "core/StyleNames.h"

namespace glimtex {
namespace {

template <typename Style>
struct Row {
    Style style;
    const char* text;
};

// Each row's style gives its text and the text gives the style back; the list holds
// the texts in the rows' order.
template <typename Style>
void ExpectRoundTrip(std::initializer_list<Row<Style>> rows, const QStringList& list,
                     Style (*named)(QStringView)) {
    QStringList texts;
    for (const Row<Style>& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(StyleNames::Of(row.style), text) << row.text;
        EXPECT_EQ(named(text), row.style) << row.text;
        texts << text;
    }
    EXPECT_EQ(list, texts);
}

TEST(StyleNames, EveryListTextNamesItsStyleAndBack) {
    ExpectRoundTrip<ColorStyle>(
        {{ColorStyle::Single, "単色"}, {ColorStyle::Gradation, "グラデーション"}},
        StyleNames::ColorStyleList(), &StyleNames::ColorStyleNamed);
    ExpectRoundTrip<SizeShape>({{SizeShape::Standard, "標準"},
                                {SizeShape::FallRight, "右下がり"},
                                {SizeShape::FallLeft, "左下がり"},
                                {SizeShape::Lens, "レンズ"},
                                {SizeShape::Scrap, "スクラップ"}},
                               StyleNames::ShapeList(), &StyleNames::ShapeNamed);
    ExpectRoundTrip<Background>(
        {{Background::None, "なし"}, {Background::Color, "単色"}, {Background::Picture, "画像"}},
        StyleNames::BackgroundList(), &StyleNames::BackgroundNamed);
    ExpectRoundTrip<LinkStyle>({{LinkStyle::None, "なし"}, {LinkStyle::Address, "リンク設定"}},
                               StyleNames::LinkList(), &StyleNames::LinkNamed);
}

TEST(StyleNames, ATextOutsideTheListIsKeptAsTyped) {
    DecorationSettings s;
    StyleNames::StoreColorStyle(s, QStringLiteral("虹色"));
    StyleNames::StoreShape(s, QStringLiteral("標準 "));
    StyleNames::StoreBackground(s, QString());
    EXPECT_EQ(s.colorStyle, ColorStyle::Unknown);
    EXPECT_EQ(s.shape, SizeShape::Unknown);
    EXPECT_EQ(s.background, Background::Unknown);
    EXPECT_EQ(StyleNames::Of(s.colorStyle, s.unknownColorStyle), QStringLiteral("虹色"));
    EXPECT_EQ(StyleNames::Of(s.shape, s.unknownShape), QStringLiteral("標準 "));
    EXPECT_EQ(StyleNames::Of(s.background, s.unknownBackground), QString());
    EXPECT_EQ(StyleNames::LinkNamed(u"リンク"), LinkStyle::None);

    // A text of the list leaves no typed text behind.
    StyleNames::StoreColorStyle(s, QStringLiteral("グラデーション"));
    EXPECT_EQ(s.colorStyle, ColorStyle::Gradation);
    EXPECT_TRUE(s.unknownColorStyle.isEmpty());
}

}  // namespace
}  // namespace glimtex
