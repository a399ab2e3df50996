#include "core/StyleNames.h"

#include <array>

namespace glimtex::StyleNames {

namespace {

template <typename Style>
struct Name {
    Style style;
    QStringView text;
};

constexpr std::array kColorStyles{
    Name<ColorStyle>{ColorStyle::Single, u"単色"},
    Name<ColorStyle>{ColorStyle::Gradation, u"グラデーション"},
};

constexpr std::array kShapes{
    Name<SizeShape>{SizeShape::Standard, u"標準"},
    Name<SizeShape>{SizeShape::FallRight, u"右下がり"},
    Name<SizeShape>{SizeShape::FallLeft, u"左下がり"},
    Name<SizeShape>{SizeShape::Lens, u"レンズ"},
    Name<SizeShape>{SizeShape::Scrap, u"スクラップ"},
};

// "単色" names a background too.
constexpr std::array kBackgrounds{
    Name<Background>{Background::None, u"なし"},
    Name<Background>{Background::Color, u"単色"},
    Name<Background>{Background::Picture, u"画像"},
};

constexpr std::array kLinks{
    Name<LinkStyle>{LinkStyle::None, u"なし"},
    Name<LinkStyle>{LinkStyle::Address, u"リンク設定"},
};

template <typename Style, std::size_t N>
QString TextOf(const std::array<Name<Style>, N>& names, Style style, const QString& typed) {
    for (const Name<Style>& name : names) {
        if (name.style == style) return name.text.toString();
    }
    return typed;
}

template <typename Style, std::size_t N>
Style StyleOf(const std::array<Name<Style>, N>& names, QStringView text, Style other) {
    for (const Name<Style>& name : names) {
        if (name.text == text) return name.style;
    }
    return other;
}

template <typename Style, std::size_t N>
QStringList TextsOf(const std::array<Name<Style>, N>& names) {
    QStringList texts;
    for (const Name<Style>& name : names) texts.append(name.text.toString());
    return texts;
}

constexpr std::array kGradientSpaces{
    Name<GradientSpace>{GradientSpace::Rgb, u"RGB"},
    Name<GradientSpace>{GradientSpace::Oklab, u"OKLab"},
};

}  // namespace

QString Of(GradientSpace space) { return TextOf(kGradientSpaces, space, QString()); }

std::optional<GradientSpace> GradientSpaceNamed(QStringView text) {
    for (const Name<GradientSpace>& name : kGradientSpaces) {
        if (name.text == text) return name.style;
    }
    return std::nullopt;
}

QStringList GradientSpaceList() { return TextsOf(kGradientSpaces); }

QString Of(ColorStyle style, const QString& typed) { return TextOf(kColorStyles, style, typed); }
QString Of(SizeShape shape, const QString& typed) { return TextOf(kShapes, shape, typed); }
QString Of(Background background, const QString& typed) {
    return TextOf(kBackgrounds, background, typed);
}
QString Of(LinkStyle link) { return TextOf(kLinks, link, QString()); }

ColorStyle ColorStyleNamed(QStringView text) {
    return StyleOf(kColorStyles, text, ColorStyle::Unknown);
}
SizeShape ShapeNamed(QStringView text) { return StyleOf(kShapes, text, SizeShape::Unknown); }
Background BackgroundNamed(QStringView text) {
    return StyleOf(kBackgrounds, text, Background::Unknown);
}
LinkStyle LinkNamed(QStringView text) { return StyleOf(kLinks, text, LinkStyle::None); }

QStringList ColorStyleList() { return TextsOf(kColorStyles); }
QStringList ShapeList() { return TextsOf(kShapes); }
QStringList BackgroundList() { return TextsOf(kBackgrounds); }
QStringList LinkList() { return TextsOf(kLinks); }

void StoreColorStyle(DecorationSettings& s, const QString& text) {
    s.colorStyle = ColorStyleNamed(text);
    s.unknownColorStyle = s.colorStyle == ColorStyle::Unknown ? text : QString();
}

void StoreShape(DecorationSettings& s, const QString& text) {
    s.shape = ShapeNamed(text);
    s.unknownShape = s.shape == SizeShape::Unknown ? text : QString();
}

void StoreBackground(DecorationSettings& s, const QString& text) {
    s.background = BackgroundNamed(text);
    s.unknownBackground = s.background == Background::Unknown ? text : QString();
}

}  // namespace glimtex::StyleNames
