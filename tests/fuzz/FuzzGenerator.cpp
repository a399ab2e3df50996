// The HTML generator on any settings: the style texts are mostly the list texts
// (sometimes anything), every number and colour component any 16-bit value.

#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>

#include "FuzzSupport.h"
#include "core/DecorationSettings.h"
#include "core/StyleTexts.h"
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
    s.MojiSize = input.ConsumeIntegral<int16_t>();
    s.MojiStyle = input.ConsumeIntegral<int16_t>();
    for (int16_t& flag : s.SpGroup) flag = input.ConsumeIntegral<int16_t>();
    s.ColorStyle = OneOf(input, {StyleText::kSingleColour, StyleText::kGradation});
    s.ColorData = {AnyColor(input), AnyColor(input)};
    s.StringShape = OneOf(input, {StyleText::kStandard, StyleText::kFallRight, StyleText::kFallLeft,
                                  StyleText::kLens, StyleText::kScrap});
    s.BackStyle = OneOf(input, {StyleText::kNone, StyleText::kSingleColour, StyleText::kPicture});
    s.BackColorData = AnyColor(input);
    s.LinkStyle = OneOf(input, {StyleText::kNone, StyleText::kLinkSet});
    s.FontFace = OneOf(input, {StyleText::kNoFace, QStringLiteral("ＭＳ 明朝")});
    s.BackPicture = AnyText(input, 16);
    s.LinkData = AnyText(input, 16);
    const QString earlierText = AnyText(input, 16);
    s.MainString = AnyText(input, 600);
    s.OutputFormat = input.ConsumeBool() ? FragmentFormat::Legacy : FragmentFormat::Html;

    // A collection that may already hold an earlier fragment of the same decoration.
    Collection collection;
    HtmlGenerator generator;
    if (!earlierText.isEmpty()) {
        DecorationSettings earlier = s;
        earlier.MainString = earlierText;
        GenerateInto(collection, generator, earlier);
    }
    const QString collected = collection.Text();
    const qsizetype fragmentsBefore = collection.Models().size();
    const RunOutcome outcome = GenerateInto(collection, generator, s);
    const bool markupInTexts = (s.MainString + s.FontFace + s.LinkData + s.BackPicture)
                                   .contains(QRegularExpression(QStringLiteral("[<>]")));
    switch (outcome) {
        case RunOutcome::Done: {
            if (collection.Models().size() != fragmentsBefore + 1) fuzz::Fail("no model recorded");
            const FragmentModel& model = collection.Models().last();
            const QString fragment =
                collection.Text().mid(collected.isEmpty() ? 0 : collected.size() + 2);
            if (!collection.Text().startsWith(collected)) fuzz::Fail("earlier fragments changed");
            if (HtmlGenerator::CodeErrorCheck(s)) fuzz::Fail("a refused run was done");
            if (s.OutputFormat == FragmentFormat::Html && !markupInTexts &&
                fragment.count(QStringLiteral("<Font ")) !=
                    fragment.count(QStringLiteral("</Font>"))) {
                fuzz::Fail("a font tag is left open");
            }
            if (ShowAsBrowser(model).size() != model.characters.size()) {
                fuzz::Fail("the browser's picture lost a character");
            }
            if (s.OutputFormat == FragmentFormat::Html && DecorationLeaks(model)) {
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
