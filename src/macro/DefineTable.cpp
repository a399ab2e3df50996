#include "macro/DefineTable.h"

#include <algorithm>
#include <limits>

#include "macro/TextUtil.h"

namespace glimtex {

void DefineTable::Add(const QString& entry) {
    const QString space(QChar(u' '));
    Entry e{GetFrontString(entry, space), GetBackString(entry, space)};
    size_ += entry.size();
    if (e.key.isEmpty()) {
        return;  // takes part in nothing
    }
    const int number = static_cast<int>(entries_.size());
    const qsizetype length = e.key.size();
    startsKey_[e.key.front().unicode()] = true;
    const auto at = std::lower_bound(lengths_.begin(), lengths_.end(), length);
    if (at == lengths_.end() || *at != length) {
        lengths_.insert(at, length);
    }
    byKey_[e.key].push_back(number);
    entries_.push_back(std::move(e));
}

bool DefineTable::HasKey(QStringView key) const { return byKey_.find(key) != byKey_.end(); }

int DefineTable::FirstEntryIn(QStringView line, int from) const {
    int best = std::numeric_limits<int>::max();
    const qsizetype n = line.size();
    for (qsizetype p = 0; p < n && best > from; ++p) {
        if (!startsKey_[line[p].unicode()]) {
            continue;
        }
        for (const qsizetype length : lengths_) {
            if (p + length > n) {
                break;
            }
            const auto found = byKey_.find(line.mid(p, length));
            if (found == byKey_.end()) {
                continue;
            }
            const std::vector<int>& numbers = found->second;
            const auto next = std::lower_bound(numbers.begin(), numbers.end(), from);
            if (next != numbers.end() && *next < best) {
                best = *next;
            }
        }
    }
    return best == std::numeric_limits<int>::max() ? -1 : best;
}

QString DefineTable::Substitute(QString line) const {
    if (entries_.empty()) {
        return line;
    }
    // Only the entries whose keys occur in the line are visited; after each
    // replacement the line is searched again from the next entry on.
    for (int from = 0;;) {
        const int number = FirstEntryIn(line, from);
        if (number < 0) {
            break;
        }
        const Entry& e = entries_[static_cast<size_t>(number)];
        line.replace(line.indexOf(e.key), e.key.size(), e.value);
        from = number + 1;
    }
    return line;
}

}  // namespace glimtex
