// Whole fragments, byte for byte, in every output format, from tests/data/fragments.txt.
#include <gtest/gtest.h>

#include "html/HtmlGenerator.h"
#include "support/GoldenCases.h"

namespace glimtex {
namespace {

TEST(GoldenFragments, EachCaseInEveryFormat) {
    testing::GoldenCases golden(QStringLiteral(GLIMTEX_TEST_DATA_DIR "/fragments.txt"));
    const auto& cases = golden.Cases();
    ASSERT_GE(cases.size(), 8u);
    const std::pair<const char*, FragmentFormat> formats[] = {{"html", FragmentFormat::Html},
                                                              {"legacy", FragmentFormat::Legacy},
                                                              {"css", FragmentFormat::Css},
                                                              {"bbcode", FragmentFormat::Bbcode}};
    for (const testing::SettingsCase& c : cases) {
        for (const auto& [key, format] : formats) {
            DecorationSettings s = c.settings;
            s.format = format;
            HtmlGenerator generator;
            ASSERT_TRUE(generator.Build(s)) << c.name.toStdString();
            const QString expected =
                golden.Expect(c.name, QString::fromLatin1(key), generator.Fragment());
            EXPECT_EQ(generator.Fragment().toStdString(), expected.toStdString())
                << c.name.toStdString() << " (" << key << ")";
        }
    }
}

}  // namespace
}  // namespace glimtex
