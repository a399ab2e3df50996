#include "macro/KeyMatcher.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

namespace glimtex {

// One Aho-Corasick automaton: a trie of the keys with, for every node, the node of
// its longest proper suffix in the trie (fail) and the nearest such suffix that ends
// a key (dict). Edges are kept sorted by character, one block per node.
class KeyMatcher::Automaton {
  public:
    Automaton(const std::vector<QString>& allKeys, const std::vector<int>& keys) {
        nodes_.emplace_back();
        std::unordered_map<quint64, int> edges;
        for (const int number : keys) {
            const QString& key = allKeys[static_cast<size_t>(number)];
            int node = 0;
            for (const QChar c : key) {
                const quint64 code = static_cast<quint64>(node) << 16 | c.unicode();
                const auto [at, added] = edges.try_emplace(code, static_cast<int>(nodes_.size()));
                if (added) nodes_.emplace_back();
                node = at->second;
            }
            nodes_[static_cast<size_t>(node)].key = number;
            nodes_[static_cast<size_t>(node)].length = static_cast<int>(key.size());
        }
        Flatten(edges);
        LinkSuffixes();
    }

    void Scan(QStringView text, qsizetype minEnd, qsizetype maxStart, const Found& found,
              qint64& work) const {
        if (++stamp_ == 0) {  // wrapped: forget every mark
            for (Node& node : nodes_) node.seen = 0;
            stamp_ = 1;
        }
        int state = 0;
        const qsizetype n = text.size();
        work += n;
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = text[i].unicode();
            if (state == 0 && !startsKey_[c]) continue;
            int next;
            while ((next = Next(state, c)) < 0 && state != 0) {
                state = nodes_[static_cast<size_t>(state)].fail;
                ++work;
            }
            state = next < 0 ? 0 : next;
            const qsizetype end = i + 1;
            if (end <= minEnd) continue;
            const Node& at = nodes_[static_cast<size_t>(state)];
            // Every key that ends here; a node met before was met at an earlier end,
            // and so were all the keys on its chain, so the walk stops there.
            for (int v = at.key >= 0 ? state : at.dict; v >= 0;) {
                const Node& match = nodes_[static_cast<size_t>(v)];
                ++work;
                if (match.seen == stamp_) break;
                match.seen = stamp_;
                const qsizetype start = end - match.length;
                if (start < maxStart) found(match.key, start);
                v = match.dict;
            }
        }
    }

  private:
    struct Node {
        int fail = 0;
        int dict = -1;
        int key = -1;
        int length = 0;
        int firstEdge = 0;
        int edgeCount = 0;
        mutable quint32 seen = 0;
    };
    struct Edge {
        char16_t c;
        int to;
    };

    int Next(int node, char16_t c) const {
        const Node& from = nodes_[static_cast<size_t>(node)];
        const auto first = edges_.begin() + from.firstEdge;
        const auto last = first + from.edgeCount;
        const auto at =
            std::lower_bound(first, last, c, [](const Edge& e, char16_t x) { return e.c < x; });
        return at != last && at->c == c ? at->to : -1;
    }

    void Flatten(const std::unordered_map<quint64, int>& edges) {
        std::vector<std::pair<quint64, int>> sorted(edges.begin(), edges.end());
        std::sort(sorted.begin(), sorted.end());
        edges_.reserve(sorted.size());
        startsKey_.assign(0x10000, false);
        for (const auto& [code, to] : sorted) {
            const auto from = static_cast<size_t>(code >> 16);
            const auto c = static_cast<char16_t>(code & 0xFFFF);
            Node& node = nodes_[from];
            if (node.edgeCount == 0) node.firstEdge = static_cast<int>(edges_.size());
            ++node.edgeCount;
            edges_.push_back({c, to});
            if (from == 0) startsKey_[c] = true;
        }
    }

    void LinkSuffixes() {
        std::deque<int> queue;
        queue.push_back(0);
        while (!queue.empty()) {
            const int u = queue.front();
            queue.pop_front();
            const Node& parent = nodes_[static_cast<size_t>(u)];
            for (int e = parent.firstEdge; e < parent.firstEdge + parent.edgeCount; ++e) {
                const Edge edge = edges_[static_cast<size_t>(e)];
                Node& child = nodes_[static_cast<size_t>(edge.to)];
                if (u != 0) {
                    int f = parent.fail;
                    int w;
                    while ((w = Next(f, edge.c)) < 0 && f != 0)
                        f = nodes_[static_cast<size_t>(f)].fail;
                    child.fail = w < 0 ? 0 : w;
                }
                const Node& suffix = nodes_[static_cast<size_t>(child.fail)];
                child.dict = suffix.key >= 0 ? child.fail : suffix.dict;
                queue.push_back(edge.to);
            }
        }
    }

    mutable std::vector<Node> nodes_;
    std::vector<Edge> edges_;
    std::vector<bool> startsKey_;
    mutable quint32 stamp_ = 0;
};

KeyMatcher::KeyMatcher() = default;
KeyMatcher::~KeyMatcher() = default;
KeyMatcher::KeyMatcher(KeyMatcher&&) noexcept = default;
KeyMatcher& KeyMatcher::operator=(KeyMatcher&&) noexcept = default;

void KeyMatcher::Build(Group& group) const {
    group.automaton = std::make_unique<Automaton>(keys_, group.keys);
    work_ += static_cast<qint64>(group.keys.size());
}

int KeyMatcher::Add(const QString& key) {
    const int number = static_cast<int>(keys_.size());
    keys_.push_back(key);
    longest_ = std::max(longest_, key.size());
    // Groups shrink from first to last; a new key joins the last groups while they
    // are no larger than it, like the carries of a binary counter.
    Group fresh;
    fresh.keys.push_back(number);
    while (!groups_.empty() && groups_.back().keys.size() <= fresh.keys.size()) {
        std::vector<int>& older = groups_.back().keys;
        fresh.keys.insert(fresh.keys.begin(), older.begin(), older.end());
        groups_.pop_back();
    }
    for (const int k : fresh.keys) work_ += keys_[static_cast<size_t>(k)].size();
    Build(fresh);
    groups_.push_back(std::move(fresh));
    return number;
}

void KeyMatcher::Scan(QStringView text, qsizetype minEnd, qsizetype maxStart,
                      const Found& found) const {
    for (const Group& group : groups_) {
        group.automaton->Scan(text, minEnd, maxStart, found, work_);
    }
}

}  // namespace glimtex
