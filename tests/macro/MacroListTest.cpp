#include "PreprocessorFixture.h"

namespace glimtex::testing {
namespace {

using AddItem = PreprocessorFixture;

TEST_F(AddItem, RegistersTheTitleAndDescriptionOfTheHeadLine) {
    Write("Macro/red", {"#HEAD \"赤い文字\",\"文字を赤にします\"", "Set.A = 1"});
    EXPECT_EQ(Expand({"#ADDITEM \"red\"", "a"}), QStringList{"a"});
    EXPECT_EQ(Lines("MacroList.df"), QStringList{"\"red\",\"赤い文字\",\"文字を赤にします\""});
    EXPECT_EQ(preprocessor_.PassCount(), 2);
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(AddItem, AListedMacroAddsNothing) {
    Write("MacroList.df", {"\"red\",\"old\",\"old\""});
    Write("Macro/red", {"#HEAD \"T\",\"D\""});
    Expand({"#ADDITEM \"red\""});
    EXPECT_EQ(Lines("MacroList.df"), QStringList{"\"red\",\"old\",\"old\""});
}

TEST_F(AddItem, TwoHeadLinesGiveTwoEntries) {
    Write("Macro/two", {"#HEAD \"A\",\"a\"", "x", "// #HEAD \"B\",\"b\""});
    Expand({"#ADDITEM \"two\"", "#ADDITEM \"two\""});
    EXPECT_EQ(Lines("MacroList.df"), (QStringList{"\"two\",\"A\",\"a\"", "\"two\",\"B\",\"b\""}));
}

TEST_F(AddItem, AMissingTitleOrDescriptionBeepsButTheEntryIsMade) {
    Write("Macro/bare", {"#HEAD", "#HEAD \"T\","});
    Expand({"#ADDITEM \"bare\""});
    EXPECT_EQ(feedback_.beeps, 3);
    EXPECT_EQ(Lines("MacroList.df"), (QStringList{"\"bare\",\"\",\"\"", "\"bare\",\"T\",\"\""}));
}

TEST_F(AddItem, AnEntryWithoutAFileFieldBeeps) {
    Write("MacroList.df", {"broken", "\"ok\",\"t\",\"d\""});
    Write("Macro/m", {"#HEAD \"T\",\"D\""});
    Expand({"#ADDITEM \"m\""});
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(Lines("MacroList.df").size(), 3);
}

TEST_F(AddItem, WithoutAQuotedNameBeepsAndAddsNothing) {
    Expand({"#ADDITEM red", "#ADDITEM \"\""});
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_EQ(ReadRaw("MacroList.df"), QByteArray());
}

TEST_F(AddItem, AMissingMacroFileBeepsAndAddsNothing) {
    Expand({"#ADDITEM \"nowhere\"", "a"});
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(ReadRaw("MacroList.df"), QByteArray());
}

TEST_F(AddItem, AMissingMacroListBeepsCountsAsEmptyAndIsCreated) {
    QFile::remove(PathOf("MacroList.df"));
    Write("Macro/m", {"#HEAD \"T\",\"D\""});
    Expand({"#ADDITEM \"m\""});
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(Lines("MacroList.df"), QStringList{"\"m\",\"T\",\"D\""});
}

}  // namespace
}  // namespace glimtex::testing
