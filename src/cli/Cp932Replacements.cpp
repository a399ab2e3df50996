#include "cli/Cp932Replacements.h"

namespace glimtex::cli::Cp932Replacements {

namespace {

qsizetype total = 0;

}  // namespace

void Add(qsizetype count) { total += count; }

qsizetype Total() { return total; }

QString Report() {
    if (total == 0) return {};
    return total == 1
               ? QStringLiteral("1 character that code page 932 cannot hold was written as '?'")
               : QStringLiteral("%1 characters that code page 932 cannot hold were written as '?'")
                     .arg(total);
}

}  // namespace glimtex::cli::Cp932Replacements
