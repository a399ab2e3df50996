#include "macro/DefineTable.h"

#include <algorithm>
#include <functional>
#include <map>
#include <queue>

#include "macro/TextUtil.h"

namespace glimtex {

void DefineTable::Add(const QString& entry) {
    const QString space(QChar(u' '));
    const QString key = TextBefore(entry, space);
    size_ += entry.size();
    if (key.isEmpty()) {
        return;  // takes part in nothing
    }
    auto known = keyNumbers_.find(QStringView(key));
    if (known == keyNumbers_.end()) {
        known = keyNumbers_.emplace(key, matcher_.Add(key)).first;
        entriesOfKey_.emplace_back();
    }
    const int number = static_cast<int>(entries_.size());
    entriesOfKey_[static_cast<size_t>(known->second)].push_back(number);
    entries_.push_back({known->second, TextAfterFirstCharOf(entry, space)});
}

bool DefineTable::HasKey(QStringView key) const {
    return keyNumbers_.find(key) != keyNumbers_.end();
}

// One line's substitution. The entries whose keys occur in the line are found in
// one scan and taken in entry order. The line itself is not rewritten at every
// replacement: the replacements are kept as edits of the line as it was scanned (the
// base), each a stretch of the base and the value that stands for it, and the text
// is put together once at the end. An occurrence of a key in the base that no edit
// touches is an occurrence in the text as it now stands; a replacement can only
// make new occurrences across the value it puts in, so only the few characters
// around it are scanned again. When that finds a key still to come, the text is put
// together as the new base (values that hold later keys are rare).
class DefineTable::Substitution {
  public:
    Substitution(const DefineTable& table, QString line)
        : table_(table), matcher_(table.matcher_), base_(std::move(line)) {}

    QString Run() {
        ScanBase();
        while (!pending_.empty()) {
            const int number = pending_.top();
            pending_.pop();
            if (number <= done_) continue;
            done_ = number;
            const Entry& entry = table_.entries_[static_cast<size_t>(number)];
            const qsizetype at = FindIntact(entry.key);
            if (at < 0) continue;  // the key's later entries wait for a new occurrence
            Replace(at, entry);
            QueueNext(entry.key);
        }
        return edits_.empty() ? base_ : Text();
    }

  private:
    struct Edit {
        qsizetype length;      // characters of the base replaced
        const QString* value;  // what stands for them
    };

    // Finds every key of the base with its leftmost occurrence, and queues the
    // next entry that uses it.
    void ScanBase() {
        matcher_.Scan(base_, 0, base_.size(), [this](int key, qsizetype start) {
            leftmost_[key] = start;
            QueueNext(key);
        });
    }

    // Queues the first entry after the last one taken that uses the key. A key has
    // at most one entry waiting at a time (twice at worst, the second one skipped).
    void QueueNext(int key) {
        const std::vector<int>& numbers = table_.entriesOfKey_[static_cast<size_t>(key)];
        const auto next = std::upper_bound(numbers.begin(), numbers.end(), done_);
        if (next != numbers.end()) pending_.push(*next);
    }

    // The first occurrence of the key in the base, at or after the last one found,
    // that no edit touches; -1 when there is none. Only the stretches between the
    // edited ones are searched.
    qsizetype FindIntact(int key) {
        const QString& text = matcher_.Key(key);
        const qsizetype length = text.size();
        qsizetype from = leftmost_[key];
        for (;;) {
            auto next = covered_.upper_bound(from);  // the first covered stretch after it
            if (next != covered_.begin() && std::prev(next)->second > from) {
                from = std::prev(next)->second;
            }
            const qsizetype gapEnd = next != covered_.end() ? next->first : base_.size();
            matcher_.AddWork(1);
            if (gapEnd - from >= length) {
                const qsizetype at = QStringView(base_).sliced(from, gapEnd - from).indexOf(text);
                matcher_.AddWork(at < 0 ? gapEnd - from : at + length);
                if (at >= 0) {
                    leftmost_[key] = from + at;
                    return from + at;
                }
            }
            if (next == covered_.end()) {
                leftmost_[key] = base_.size();
                return -1;
            }
            from = next->second;
        }
    }

    // Marks base[at, end) as covered, joined with the covered stretches it touches.
    void Cover(qsizetype at, qsizetype end) {
        auto next = covered_.upper_bound(at);
        if (next != covered_.begin() && std::prev(next)->second >= at) {
            --next;
            at = next->first;
            end = std::max(end, next->second);
            next = covered_.erase(next);
        }
        while (next != covered_.end() && next->first <= end) {
            end = std::max(end, next->second);
            next = covered_.erase(next);
        }
        covered_.emplace(at, end);
    }

    // Records the replacement of base[at, at + key length) and scans the characters
    // around it. A key still to come that now occurs across the new value makes the
    // text as it stands the new base.
    void Replace(qsizetype at, const Entry& entry) {
        const qsizetype length = matcher_.Key(entry.key).size();
        const qsizetype reach = matcher_.LongestKey() - 1;
        const QString before = TextBefore(at, reach);
        const QString after = TextAfter(at + length, reach);
        edits_.emplace(at, Edit{length, &entry.value});
        Cover(at, at + length);
        const QString window = before + entry.value + after;
        matcher_.AddWork(window.size());
        // A new occurrence overlaps the value, or (for an empty value) spans the
        // place where the key stood.
        const qsizetype valueEnd = before.size() + entry.value.size();
        const qsizetype startsBefore = entry.value.isEmpty() ? before.size() : valueEnd;
        std::vector<std::pair<int, qsizetype>> found;  // key, start in the window
        matcher_.Scan(window, before.size(), startsBefore, [&](int key, qsizetype start) {
            if (table_.entriesOfKey_[static_cast<size_t>(key)].back() > done_) {
                found.emplace_back(key, start);
            }
        });
        if (!found.empty()) Rebase(at, before.size(), found);
    }

    // Makes the text as it stands the base, without scanning it again: each key's
    // last occurrence found moves with the text around it (one inside a replaced
    // stretch moves to where its value now begins, still no later than the key's
    // first intact occurrence), and the new occurrences found around the edit at
    // `at` are added.
    void Rebase(qsizetype at, qsizetype windowLead,
                const std::vector<std::pair<int, qsizetype>>& found) {
        // Where each edit's stretch begins in the new base, and how far the base
        // after it moves.
        std::vector<qsizetype> starts;
        std::vector<qsizetype> ends;
        std::vector<qsizetype> newStarts;
        std::vector<qsizetype> shifts;
        qsizetype shift = 0;
        for (const auto& [start, edit] : edits_) {
            starts.push_back(start);
            ends.push_back(start + edit.length);
            newStarts.push_back(start + shift);
            shift += edit.value->size() - edit.length;
            shifts.push_back(shift);
        }
        const auto moved = [&](qsizetype position) {
            const auto i =
                std::upper_bound(starts.begin(), starts.end(), position) - starts.begin();
            if (i == 0) return position;
            const auto e = static_cast<size_t>(i - 1);
            return position < ends[e] ? newStarts[e] : position + shifts[e];
        };
        matcher_.AddWork(std::ssize(edits_) + std::ssize(leftmost_));
        const qsizetype valueStart = newStarts[static_cast<size_t>(
            std::lower_bound(starts.begin(), starts.end(), at) - starts.begin())];
        for (auto& [key, position] : leftmost_) position = moved(position);
        if (edits_.size() == 1) {
            // Often the only edit since the last new base: put it in place.
            const auto& [start, edit] = *edits_.begin();
            base_.replace(start, edit.length, *edit.value);
            matcher_.AddWork(base_.size() - start);
        } else {
            base_ = Text();
        }
        edits_.clear();
        covered_.clear();
        for (const auto& [key, start] : found) {
            const qsizetype position = valueStart - windowLead + start;
            const auto known = leftmost_.find(key);
            if (known == leftmost_.end()) {
                leftmost_.emplace(key, position);
            } else {
                known->second = std::min(known->second, position);
            }
            QueueNext(key);
        }
    }

    // Up to count characters of the text as it now stands, ending at base position
    // `at` (which no edit covers).
    QString TextBefore(qsizetype at, qsizetype count) const {
        std::vector<QStringView> pieces;
        auto next = edits_.lower_bound(at);
        for (qsizetype need = count; need > 0;) {
            const bool edited = next != edits_.begin();
            const auto edit = edited ? std::prev(next) : next;
            const qsizetype editEnd = edited ? edit->first + edit->second.length : 0;
            const qsizetype take = std::min(need, at - editEnd);
            pieces.push_back(QStringView(base_).sliced(at - take, take));
            need -= take;
            at -= take;
            if (need == 0 || !edited) break;
            const QStringView value(*edit->second.value);
            const qsizetype fromValue = std::min(need, value.size());
            pieces.push_back(value.sliced(value.size() - fromValue));
            need -= fromValue;
            at = edit->first;
            next = edit;
        }
        QString text;
        for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) text += *piece;
        return text;
    }

    // Up to count characters of the text as it now stands, from base position `at`.
    QString TextAfter(qsizetype at, qsizetype count) const {
        QString text;
        auto next = edits_.lower_bound(at);
        for (qsizetype need = count; need > 0;) {
            const qsizetype editStart = next != edits_.end() ? next->first : base_.size();
            const qsizetype take = std::min(need, editStart - at);
            text += QStringView(base_).sliced(at, take);
            need -= take;
            at += take;
            if (need == 0 || next == edits_.end()) break;
            const QStringView value(*next->second.value);
            text += value.first(std::min(need, value.size()));
            need -= std::min(need, value.size());
            at = next->first + next->second.length;
            ++next;
        }
        return text;
    }

    // The text as it now stands.
    QString Text() const {
        QString text;
        qsizetype size = base_.size();
        for (const auto& [start, edit] : edits_) size += edit.value->size() - edit.length;
        text.reserve(size);
        qsizetype at = 0;
        for (const auto& [start, edit] : edits_) {
            text += QStringView(base_).sliced(at, start - at);
            text += *edit.value;
            at = start + edit.length;
        }
        text += QStringView(base_).sliced(at);
        matcher_.AddWork(text.size());
        return text;
    }

    const DefineTable& table_;
    const KeyMatcher& matcher_;
    QString base_;
    std::map<qsizetype, Edit> edits_;         // by start in the base; never overlapping
    std::map<qsizetype, qsizetype> covered_;  // the edited stretches joined: start -> end
    std::unordered_map<int, qsizetype> leftmost_;
    std::priority_queue<int, std::vector<int>, std::greater<>> pending_;
    int done_ = -1;  // the last entry taken
};

QString DefineTable::Substitute(QString line) const {
    if (entries_.empty()) {
        return line;
    }
    return Substitution(*this, std::move(line)).Run();
}

}  // namespace glimtex
