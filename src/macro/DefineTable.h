#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>
#include <unordered_map>
#include <vector>

namespace glimtex {

// The define table of one preprocessing pass, held in memory: the entries of
// Define.df in file order ("key value", key up to the first space). An entry added
// here is visible at once to the lines that follow.
class DefineTable {
  public:
    void Add(const QString& entry);

    // Each entry, in order, replaces the first occurrence of its key in the line
    // as the earlier entries left it. An entry with an empty key does nothing.
    QString Substitute(QString line) const;

    // Whether some entry has exactly this key.
    bool HasKey(QStringView key) const;

    // Characters held, keys and values together.
    qsizetype Size() const { return size_; }

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
        QString key;
        QString value;
    };

    // The lowest entry number at or after `from` whose key occurs in the line, or -1.
    int FirstEntryIn(QStringView line, int from) const;

    std::vector<Entry> entries_;
    // Key -> entry numbers, ascending.
    std::unordered_map<QString, std::vector<int>, KeyHash, KeyEqual> byKey_;
    // The distinct key lengths, ascending, and which characters begin a key.
    std::vector<qsizetype> lengths_;
    std::vector<bool> startsKey_ = std::vector<bool>(0x10000, false);
    qsizetype size_ = 0;
};

}  // namespace glimtex
