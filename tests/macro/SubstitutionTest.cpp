// Substitution by the define table: the same text as replacing, entry by entry,
// the first occurrence of each key, and work that grows with the line, not with
// the number of entries or of their key lengths.

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QStringList>

#include "macro/DefineTable.h"
#include "macro/TextUtil.h"

namespace glimtex {
namespace {

// Each entry in file order replaces the first occurrence of its key in the line as
// the earlier entries left it: the rule written out as plainly as it reads.
QString ReplaceEntryByEntry(const QStringList& entries, QString line) {
    const QString space(QChar(u' '));
    for (const QString& entry : entries) {
        const QString key = TextBefore(entry, space);
        const qsizetype at = key.isEmpty() ? -1 : line.indexOf(key);
        if (at >= 0) line.replace(at, key.size(), TextAfterFirstCharOf(entry, space));
    }
    return line;
}

DefineTable TableOf(const QStringList& entries) {
    DefineTable table;
    for (const QString& entry : entries) table.Add(entry);
    return table;
}

QString RandomText(QRandomGenerator& random, int maxLength, QStringView alphabet) {
    QString text;
    const int length = static_cast<int>(random.bounded(maxLength + 1));
    for (int i = 0; i < length; ++i) text += alphabet[random.bounded(alphabet.size())];
    return text;
}

TEST(Substitution, KeepsOrderAndTheOncePerLineRule) {
    const QStringList entries{"_A 1", "_A 2", "_B _A", "_AB x", "_C "};
    EXPECT_EQ(TableOf(entries).Substitute("_A _A _A _B _C."), "1 2 _A _A .");
}

TEST(Substitution, ValuesThatMakeLaterKeysAreSubstitutedByThoseKeys) {
    // The first value joins with the text after it into a later key; the second
    // value holds a later key; an emptied key joins its neighbours.
    const QStringList entries{"_X _Y", "_YZ joined", "_P _Q", "_Q inner", "_E ", "ab gone"};
    const QString line = "_XZ _P a_Eb";
    EXPECT_EQ(TableOf(entries).Substitute(line), ReplaceEntryByEntry(entries, line));
    EXPECT_EQ(TableOf(entries).Substitute(line), "joined inner gone");
}

TEST(Substitution, AKeyRepeatedWithAValueThatHoldsItIsReplacedOncePerEntry) {
    // The fuzzer's slowest input: the same definition included thousands of times,
    // its value holding its own key, so every entry finds the key again.
    const QStringList entries(3000, QStringLiteral("_L a _L b"));
    const QString result = TableOf(entries).Substitute(QStringLiteral("x _L y"));
    EXPECT_EQ(result, QStringLiteral("x ") + QStringLiteral("a ").repeated(3000) +
                          QStringLiteral("_L") + QStringLiteral(" b").repeated(3000) +
                          QStringLiteral(" y"));
}

TEST(Substitution, MatchesReplacingEntryByEntryOnManyRandomTables) {
    QRandomGenerator random(20261209);
    for (int round = 0; round < 20000; ++round) {
        QStringList entries;
        const int count = static_cast<int>(random.bounded(1, 8));
        for (int i = 0; i < count; ++i) {
            entries << RandomText(random, 3, u"_ab") + u' ' + RandomText(random, 4, u"_ab ");
        }
        const QString line = RandomText(random, 24, u"_ab ");
        DefineTable table = TableOf(entries);
        ASSERT_EQ(table.Substitute(line), ReplaceEntryByEntry(entries, line))
            << entries.join(u'|').toStdString() << " / " << line.toStdString();
    }
}

TEST(Substitution, AThousandKeyLengthsOnALongLineTakeWorkInProportionToTheLine) {
    // Keys "_", "__", ... of a thousand lengths, every one occurring at every place
    // of a line of half a million underscores.
    QStringList entries;
    for (int length = 1; length <= 1000; ++length) {
        entries << QString(length, u'_') + QStringLiteral(" v");
    }
    const QString line(500000, u'_');
    const DefineTable table = TableOf(entries);
    const qint64 before = table.Work();
    const QString result = table.Substitute(line);
    const qint64 work = table.Work() - before;
    EXPECT_EQ(result, ReplaceEntryByEntry(entries, line));
    // Looking up every key length at every place took about 500,000 x 1,000 steps;
    // now it is a small multiple of the characters of the line and the table.
    EXPECT_LT(work, 40 * (line.size() + table.Size())) << work;
}

TEST(Substitution, ThirtyThousandKeysUsedOnceEachTakeWorkInProportionToTheLine) {
    QStringList entries;
    QStringList uses;
    for (int i = 0; i < 30000; ++i) {
        const QString key = QStringLiteral("_D%1").arg(i, 5, 10, QChar(u'0'));
        entries << key + QStringLiteral(" 値%1").arg(i);
        uses << key;
    }
    const QString line = uses.join(u' ');
    const DefineTable table = TableOf(entries);
    const qint64 before = table.Work();
    const QString result = table.Substitute(line);
    const qint64 work = table.Work() - before;
    QStringList values;
    for (int i = 0; i < 30000; ++i) values << QStringLiteral("値%1").arg(i);
    EXPECT_EQ(result, values.join(u' '));
    // Searching the line again after each replacement took 30,000 x 240,000 steps.
    EXPECT_LT(work, 40 * (line.size() + table.Size())) << work;
}

}  // namespace
}  // namespace glimtex
