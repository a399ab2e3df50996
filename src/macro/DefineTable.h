#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>
#include <unordered_map>
#include <vector>

#include "macro/KeyMatcher.h"

namespace glimtex {

// The define table of one preprocessing pass, held in memory: the entries of
// Define.df in file order ("key value", key up to the first space). An entry added
// here is visible at once to the lines that follow.
class DefineTable {
  public:
    void Add(const QString& entry);

    // Each entry, in order, replaces the first occurrence of its key in the line
    // as the earlier entries left it. An entry with an empty key does nothing.
    // The work is a small multiple (the logarithm of the number of keys) of the
    // line, the values put in and, for each replacement, the longest key; it does
    // not grow with the number of different key lengths.
    QString Substitute(QString line) const;

    // Whether some entry has exactly this key.
    bool HasKey(QStringView key) const;

    // Characters held, keys and values together.
    qsizetype Size() const { return size_; }

    // Steps taken by every substitution and addition so far (characters scanned,
    // compared and copied); for the benchmarks and tests of the work done.
    qint64 Work() const { return matcher_.Work(); }

  private:
    struct KeyHash {
        using is_transparent = void;
        size_t operator()(QStringView key) const noexcept { return qHash(key); }
    };
    struct KeyEqual {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
    };
    struct Entry {
        int key;  // number in the matcher
        QString value;
    };
    class Substitution;

    std::vector<Entry> entries_;
    // Key -> key number; key number -> entry numbers, ascending.
    std::unordered_map<QString, int, KeyHash, KeyEqual> keyNumbers_;
    std::vector<std::vector<int>> entriesOfKey_;
    KeyMatcher matcher_;
    qsizetype size_ = 0;
};

}  // namespace glimtex
