// Substitution by the define table against the rule written out plainly: each
// entry in order replaces the first occurrence of its key in the line as the
// earlier entries left it. The input's last line is the line; the others are the
// entries.

#include <QStringList>

#include "FuzzSupport.h"
#include "macro/Cp932.h"
#include "macro/DefineTable.h"
#include "macro/TextUtil.h"

using namespace glimtex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = Cp932::Decode(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QStringList entries = text.split(u'\n');
    const QString line = entries.takeLast();
    const QString space(QChar(u' '));
    DefineTable table;
    QString expected = line;
    for (const QString& entry : entries) {
        table.Add(entry);
        const QString key = TextBefore(entry, space);
        const qsizetype at = key.isEmpty() ? -1 : expected.indexOf(key);
        if (at >= 0) expected.replace(at, key.size(), TextAfterFirstCharOf(entry, space));
        if (!key.isEmpty() && !table.HasKey(key)) fuzz::Fail("a key added is not known");
    }
    if (table.Substitute(line) != expected) fuzz::Fail("substitution differs from the rule");
    return 0;
}
