// Whole fragments, byte for byte, in each output format, from tests/data/fragments.txt.
#include <gtest/gtest.h>

#include "html/HtmlGenerator.h"
#include "support/SettingsCases.h"

namespace glimtex {
namespace {

TEST(GoldenFragments, EachCaseInBothFormats) {
    const auto cases =
        testing::ReadSettingsCases(QStringLiteral(GLIMTEX_TEST_DATA_DIR "/fragments.txt"));
    ASSERT_GE(cases.size(), 8u);
    const std::pair<const char*, FragmentFormat> formats[] = {{"html", FragmentFormat::Html},
                                                              {"legacy", FragmentFormat::Legacy}};
    for (const testing::SettingsCase& c : cases) {
        for (const auto& [key, format] : formats) {
            DecorationSettings s = c.settings;
            s.OutputFormat = format;
            HtmlGenerator generator;
            ASSERT_TRUE(generator.Build(s)) << c.name.toStdString();
            const auto expected = c.expected.find(QString::fromLatin1(key));
            ASSERT_NE(expected, c.expected.end()) << c.name.toStdString() << " has no " << key;
            EXPECT_EQ(generator.MainHTML().toStdString(), expected->second.toStdString())
                << c.name.toStdString() << " (" << key << ")";
        }
    }
}

}  // namespace
}  // namespace glimtex
