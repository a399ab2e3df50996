#include "macro/TextFile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace glimtex {
namespace {

class TextFileTest : public ::testing::Test {
  protected:
    QString PathOf(const QString& name) const { return QDir(temp_.path()).filePath(name); }
    void WriteRaw(const QString& name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadRaw(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList Read(const QByteArray& bytes) const {
        WriteRaw(QStringLiteral("in.txt"), bytes);
        return TextFile::ReadLines(PathOf(QStringLiteral("in.txt"))).value_or(QStringList{});
    }
    QTemporaryDir temp_;
};

const QString kReplacement(QChar(0xFFFD));

// "#HEAD "日本語マクロ","説明：ｶﾀｶﾅ①Ⅰ～" in code page 932, with a backslash and a
// user-defined character.
const QByteArray kJapanese =
    "#HEAD \"\x93\xfa\x96\x7b\x8c\xea\x83\x7d\x83\x4e\x83\x8d\",\"\x90\xe0\x96\xbe\x81\x46"
    "\xb6\xc0\xb6\xc5\x87\x40\x87\x54\x81\x60\"\r\nSet.A = \"C:\\x\" \xf0\x40\r\n";

TEST_F(TextFileTest, JapaneseTextRoundTripsByteForByte) {
    const QStringList lines = Read(kJapanese);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("#HEAD \"日本語マクロ\",\"説明：ｶﾀｶﾅ①Ⅰ～\""));
    EXPECT_EQ(lines[1], QStringLiteral("Set.A = \"C:\\x\" ") + QChar(0xE000));
    ASSERT_TRUE(TextFile::WriteLines(PathOf(QStringLiteral("out.txt")), lines));
    EXPECT_EQ(ReadRaw(QStringLiteral("out.txt")), kJapanese);
}

TEST_F(TextFileTest, AcceptsLfEndsAndALastLineWithoutAnEnd) {
    EXPECT_EQ(Read("a\nb\r\nc"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Read("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(Read(""), QStringList{});
}

TEST_F(TextFileTest, ALoneCrEndsALineToo) {
    EXPECT_EQ(Read("a\rb\rc\r"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Read("a\r\r\nb\n\rc"), (QStringList{"a", "", "b", "", "c"}));
    EXPECT_EQ(Read("\r"), QStringList{""});
}

TEST_F(TextFileTest, ControlCharactersStayThemselves) {
    EXPECT_EQ(Read("\x1a\x1c\x7f"), QStringList{QStringLiteral("\x1a\x1c\x7f")});
}

TEST_F(TextFileTest, BytesThatDoNotDecodeBecomeReplacementCharacters) {
    EXPECT_EQ(Read("a\xff"
                   "b"),
              QStringList{"a" + kReplacement + "b"});
    EXPECT_EQ(Read("\x80\xa0\xfd\xfe"), QStringList{kReplacement.repeated(4)});
    // An unmapped pair is one character.
    EXPECT_EQ(Read("\x85\x40x"), QStringList{kReplacement + "x"});
}

TEST_F(TextFileTest, ALeadByteWithoutItsTrailIsReplacedAndReadingGoesOn) {
    EXPECT_EQ(Read("a\x82"), QStringList{"a" + kReplacement});
    EXPECT_EQ(Read("a\x82\r\nb"), (QStringList{"a" + kReplacement, "b"}));
    EXPECT_EQ(Read("\x82"
                   "0\x82\xa0"),
              QStringList{kReplacement + QStringLiteral("0あ")});
}

TEST_F(TextFileTest, MissingFileOrFolderCannotBeRead) {
    EXPECT_FALSE(TextFile::ReadLines(PathOf(QStringLiteral("none"))).has_value());
    EXPECT_FALSE(TextFile::ReadLines(temp_.path()).has_value());
}

TEST(TextFileEncode, WritesQuestionMarkForWhatCodePage932CannotHold) {
    EXPECT_EQ(TextFile::Encode(QStringLiteral("a¥b")), QByteArray("a?b"));
    EXPECT_EQ(TextFile::Encode(QStringLiteral("€©")), QByteArray("??"));
    EXPECT_EQ(TextFile::Encode(kReplacement), QByteArray("?"));
}

TEST(TextFileEncode, CountsTheCharactersItReplaces) {
    qsizetype replaced = -1;
    EXPECT_EQ(TextFile::Encode(QStringLiteral("a€日😀"), &replaced), QByteArray("a?\x93\xfa?"));
    EXPECT_EQ(replaced, 2);
    EXPECT_EQ(TextFile::Encode(QStringLiteral("日本"), &replaced), QByteArray("\x93\xfa\x96\x7b"));
    EXPECT_EQ(replaced, 0);
}

// What input methods on other systems type for "〜∥−¢£¬—" is written as the
// full-width forms Windows writes for them, and those read back as themselves.
TEST(TextFileEncode, JisFormsAreWrittenAsTheirCodePage932Counterparts) {
    const QString typed = QStringLiteral("\u301C\u2016\u2212\u00A2\u00A3\u00AC\u2014");
    const QByteArray cp932("\x81\x60\x81\x61\x81\x7c\x81\x91\x81\x92\x81\xca\x81\x5c");
    qsizetype replaced = -1;
    EXPECT_EQ(TextFile::Encode(typed, &replaced), cp932);
    EXPECT_EQ(replaced, 0);
    const QString read = TextFile::Decode(cp932);
    EXPECT_EQ(read, QStringLiteral("\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015"));
    EXPECT_EQ(TextFile::Encode(read), cp932);
}

TEST(TextFileEncode, ASupplementaryCharacterIsOneQuestionMark) {
    EXPECT_EQ(TextFile::Encode(QStringLiteral("x😀y")), QByteArray("x?y"));
    EXPECT_EQ(TextFile::Encode(QString(QChar(0xD800)) + "z"), QByteArray("?z"));
    EXPECT_EQ(TextFile::Encode(QString(QChar(0xDC00))), QByteArray("?"));
}

TEST(TextFileEncode, PicksTheCodesWindowsWrites) {
    EXPECT_EQ(TextFile::Encode(QStringLiteral("あ～￢")), QByteArray("\x82\xa0\x81\x60\x81\xca"));
    EXPECT_EQ(TextFile::Encode(QStringLiteral("Ⅰⅰ")), QByteArray("\x87\x54\xfa\x40"));
    EXPECT_EQ(TextFile::Encode(QStringLiteral("\x1a\\~")), QByteArray("\x1a\\~"));
}

TEST_F(TextFileTest, AppendLineCreatesAndAddsCrLf) {
    const QString path = PathOf(QStringLiteral("list.df"));
    ASSERT_TRUE(TextFile::AppendLine(path, QStringLiteral("一")));
    ASSERT_TRUE(TextFile::AppendLine(path, QStringLiteral("b")));
    EXPECT_EQ(ReadRaw(QStringLiteral("list.df")), QByteArray("\x88\xea\r\nb\r\n"));
}

TEST_F(TextFileTest, TruncateEmptiesOrCreates) {
    WriteRaw(QStringLiteral("old.df"), "old\r\n");
    ASSERT_TRUE(TextFile::Truncate(PathOf(QStringLiteral("old.df"))));
    ASSERT_TRUE(TextFile::Truncate(PathOf(QStringLiteral("new.df"))));
    EXPECT_EQ(ReadRaw(QStringLiteral("old.df")), QByteArray());
    EXPECT_EQ(ReadRaw(QStringLiteral("new.df")), QByteArray());
}

TEST_F(TextFileTest, CopyFileKeepsEveryByteAndFailsForAMissingSource) {
    const QByteArray odd = "\xff\x82\r\n\x1a";
    WriteRaw(QStringLiteral("from"), odd);
    WriteRaw(QStringLiteral("to"), "old");
    ASSERT_TRUE(TextFile::CopyFile(PathOf(QStringLiteral("from")), PathOf(QStringLiteral("to"))));
    EXPECT_EQ(ReadRaw(QStringLiteral("to")), odd);
    EXPECT_FALSE(TextFile::CopyFile(PathOf(QStringLiteral("none")), PathOf(QStringLiteral("to"))));
    EXPECT_EQ(ReadRaw(QStringLiteral("to")), odd);
}

TEST_F(TextFileTest, AFailedWriteLeavesNothingBehind) {
    EXPECT_FALSE(TextFile::WriteText(PathOf(QStringLiteral("no/such/dir/file")), "x"));
    // A folder in the way is not replaced by a file.
    QDir(temp_.path()).mkdir(QStringLiteral("sub"));
    EXPECT_FALSE(TextFile::WriteText(PathOf(QStringLiteral("sub")), "x"));
    EXPECT_TRUE(QFileInfo(PathOf(QStringLiteral("sub"))).isDir());
}

}  // namespace
}  // namespace glimtex
