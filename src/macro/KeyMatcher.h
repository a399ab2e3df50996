#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <vector>

namespace glimtex {

// Finds which of many keys occur in a text in one pass over it, whatever their
// number and lengths: an Aho-Corasick automaton over the keys. Keys are added one at
// a time while a preprocessing pass runs, so they are held in a few automata of
// doubling size (adding a key rebuilds only the small ones), and a scan runs each.
class KeyMatcher {
  public:
    KeyMatcher();
    ~KeyMatcher();
    KeyMatcher(KeyMatcher&&) noexcept;
    KeyMatcher& operator=(KeyMatcher&&) noexcept;

    // Adds a key that is not in the set yet (not empty); returns its number,
    // counting from 0 in the order of adding.
    int Add(const QString& key);

    int KeyCount() const { return static_cast<int>(keys_.size()); }
    const QString& Key(int number) const { return keys_[static_cast<size_t>(number)]; }
    qsizetype LongestKey() const { return longest_; }

    // Calls found(key, start) once for every key that has an occurrence ending after
    // minEnd (end = start + length) and starting before maxStart, with the first such
    // occurrence's start. For the leftmost occurrence of every key: Scan(text, 0,
    // text.size(), found).
    using Found = std::function<void(int key, qsizetype start)>;
    void Scan(QStringView text, qsizetype minEnd, qsizetype maxStart, const Found& found) const;

    // Steps taken by the scans so far: characters read, links followed and matches
    // looked at. Grows with the text, not with the number of keys.
    qint64 Work() const { return work_; }
    void AddWork(qint64 steps) const { work_ += steps; }

  private:
    class Automaton;
    struct Group {
        std::vector<int> keys;
        std::unique_ptr<Automaton> automaton;
    };
    void Build(Group& group) const;

    std::vector<QString> keys_;
    std::vector<Group> groups_;
    qsizetype longest_ = 0;
    mutable qint64 work_ = 0;
};

}  // namespace glimtex
