#include "PreprocessorFixture.h"
#include "macro/TextFile.h"

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

TEST_F(AddItem, TheListNeverGrowsPastWhatItCanBeReadBackAt) {
    // A list a few entries short of its bound, and a macro with ten head lines.
    const QByteArray entry = "\"filler\",\"title\",\"description of some length\"\r\n";
    QByteArray list;
    while (list.size() + 3 * entry.size() < TextFile::kMaxFileBytes) list += entry;
    WriteRaw("MacroList.df", list);
    QStringList heads;
    for (int k = 0; k < 10; ++k) heads << QStringLiteral("#HEAD \"title %1\",\"d\"").arg(k);
    Write("Macro/many", heads);
    Expand({"#ADDITEM \"many\""});
    EXPECT_LE(ReadRaw("MacroList.df").size(), TextFile::kMaxFileBytes);
    const QStringList lines = Lines("MacroList.df");
    ASSERT_NE(lines, QStringList{"<missing>"});
    const qsizetype accepted = lines.size() - list.count(entry);
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 10);
    EXPECT_EQ(feedback_.beeps, 10 - accepted);  // one for each entry left out
    ASSERT_EQ(feedback_.details.size(), 1);
    EXPECT_TRUE(feedback_.details[0].contains(QStringLiteral("2 MiB")));
}

TEST_F(AddItem, ManyRegistrationsWriteTheListOnceAPassAndKeepTheirOrder) {
    QStringList lines;
    for (int k = 0; k < 300; ++k) {
        Write(QStringLiteral("Macro/m%1").arg(k), {QStringLiteral("#HEAD \"t%1\",\"d\"").arg(k)});
        lines << QStringLiteral("#ADDITEM \"m%1\"").arg(k) << QStringLiteral("#ADDITEM \"m0\"");
    }
    Expand(lines);
    const QStringList list = Lines("MacroList.df");
    ASSERT_EQ(list.size(), 300);
    EXPECT_EQ(list[299], QStringLiteral("\"m299\",\"t299\",\"d\""));
    EXPECT_EQ(feedback_.beeps, 0);
}

}  // namespace
}  // namespace glimtex::testing
