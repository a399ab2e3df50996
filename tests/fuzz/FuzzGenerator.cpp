// The HTML generator on any settings: every style of the lists, a style outside them
// with any typed text, every number and color component any 16-bit value, every
// format, up to the most stops in either space.

#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>

#include "FuzzSupport.h"
#include "core/DecorationSettings.h"
#include "core/StyleNames.h"
#include "html/Collection.h"
#include "html/HtmlGenerator.h"
#include "html/ShownCharacters.h"

using namespace glimtex;

namespace {

QString AnyText(FuzzedDataProvider& input, size_t maxLength) {
    const std::u16string text = [&] {
        std::u16string chars;
        const size_t length = input.ConsumeIntegralInRange<size_t>(0, maxLength);
        for (size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
            chars.push_back(input.ConsumeIntegral<char16_t>());
        }
        return chars;
    }();
    return QString::fromStdU16String(text);
}

// Any style of the list, Unknown (the last) included.
template <typename Style>
Style AnyStyle(FuzzedDataProvider& input, Style last) {
    return static_cast<Style>(input.ConsumeIntegralInRange<int>(0, static_cast<int>(last)));
}

QString OneOf(FuzzedDataProvider& input, std::initializer_list<QString> texts) {
    const size_t pick = input.ConsumeIntegralInRange<size_t>(0, texts.size());
    if (pick == texts.size()) return AnyText(input, 8);
    return *(texts.begin() + pick);
}

ColorTriple AnyColor(FuzzedDataProvider& input) {
    return {input.ConsumeIntegral<int16_t>(), input.ConsumeIntegral<int16_t>(),
            input.ConsumeIntegral<int16_t>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    DecorationSettings s;
    s.size = input.ConsumeIntegral<int16_t>();
    s.position = AnyStyle(input, Position::Subscript);
    s.emphasis = Emphasis{input.ConsumeBool(), input.ConsumeBool(), input.ConsumeBool(),
                          input.ConsumeBool()};
    s.colorStyle = AnyStyle(input, ColorStyle::Unknown);
    if (s.colorStyle == ColorStyle::Unknown) s.unknownColorStyle = AnyText(input, 8);
    s.colors = {AnyColor(input), AnyColor(input)};
    s.shape = AnyStyle(input, SizeShape::Unknown);
    if (s.shape == SizeShape::Unknown) s.unknownShape = AnyText(input, 8);
    s.background = AnyStyle(input, Background::Unknown);
    if (s.background == Background::Unknown) s.unknownBackground = AnyText(input, 8);
    s.backgroundColor = AnyColor(input);
    s.link = AnyStyle(input, LinkStyle::Address);
    s.face = OneOf(input, {StyleNames::kNoFace, QStringLiteral("ＭＳ 明朝")});
    s.backgroundPicture = AnyText(input, 16);
    s.linkAddress = AnyText(input, 16);
    const QString earlierText = AnyText(input, 16);
    s.text = AnyText(input, 600);
    s.format = AnyStyle(input, FragmentFormat::Bbcode);
    const int moreStops = input.ConsumeIntegralInRange<int>(0, kMaxColorStops - 2);
    for (int k = 0; k < moreStops; ++k) s.moreStops.append(AnyColor(input));
    s.gradientSpace = input.ConsumeBool() ? GradientSpace::Oklab : GradientSpace::Rgb;

    // A collection that may already hold an earlier fragment of the same decoration.
    Collection collection;
    HtmlGenerator generator;
    if (!earlierText.isEmpty()) {
        DecorationSettings earlier = s;
        earlier.text = earlierText;
        GenerateInto(collection, generator, earlier);
    }
    const QString collected = collection.Text();
    const qsizetype fragmentsBefore = collection.Models().size();
    const RunOutcome outcome = GenerateInto(collection, generator, s);
    const bool markupInTexts = (s.text + s.face + s.linkAddress + s.backgroundPicture)
                                   .contains(QRegularExpression(QStringLiteral("[<>]")));
    switch (outcome) {
        case RunOutcome::Done: {
            if (collection.Models().size() != fragmentsBefore + 1) fuzz::Fail("no model recorded");
            const FragmentModel& model = collection.Models().last();
            const QString fragment =
                collection.Text().mid(collected.isEmpty() ? 0 : collected.size() + 2);
            if (!collection.Text().startsWith(collected)) fuzz::Fail("earlier fragments changed");
            if (HtmlGenerator::Refuses(s)) fuzz::Fail("a refused run was done");
            if (s.format == FragmentFormat::Html && !markupInTexts &&
                fragment.count(QStringLiteral("<Font ")) !=
                    fragment.count(QStringLiteral("</Font>"))) {
                fuzz::Fail("a font tag is left open");
            }
            // The CSS format escapes every text: its only markup is its own, all closed.
            if (s.format == FragmentFormat::Css &&
                (fragment.count(QStringLiteral("<span ")) !=
                     fragment.count(QStringLiteral("</span>")) ||
                 fragment.count(u'<') != 2 * fragment.count(QStringLiteral("</")) ||
                 fragment.contains(QChar(0)))) {
                fuzz::Fail("the CSS format let markup or a forbidden character through");
            }
            if (ShowAsBrowser(model).size() != model.characters.size()) {
                fuzz::Fail("the browser's picture lost a character");
            }
            if (s.format == FragmentFormat::Html && DecorationLeaks(model)) {
                fuzz::Fail("a closed fragment leaks");
            }
            break;
        }
        case RunOutcome::Refused:
        case RunOutcome::Overflow:
            if (collection.Text() != collected) {
                fuzz::Fail("a run that was not done changed the collection");
            }
            break;
    }
    return 0;
}
