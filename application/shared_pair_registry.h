#pragma once
// Pairs of lists shared by every page of one game: the pages that ask with
// the same (key, sub-key) get the same two lists, which live until the last
// of them lets go.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vesk {

template <typename List>
class SharedPairRegistry {
public:
    using Factory = std::function<std::unique_ptr<List>()>;

    explicit SharedPairRegistry(Factory make) : m_make(std::move(make)) {}

    // One more reference to the pair; the first list when first is true,
    // else the second. The pair is made on the first request.
    List* Acquire(std::uint32_t key, std::uint8_t subKey, bool first)
    {
        Pair* pair = Find(key, subKey);
        if (!pair) {
            m_pairs.push_back(std::make_unique<Pair>(Pair{key, subKey, 0, m_make(), m_make()}));
            pair = m_pairs.back().get();
        }
        ++pair->references;
        return first ? pair->first.get() : pair->second.get();
    }

    // One reference less; the last one frees both lists. Unknown pairs are ignored.
    void Release(std::uint32_t key, std::uint8_t subKey)
    {
        for (auto it = m_pairs.rbegin(); it != m_pairs.rend(); ++it) {
            if ((*it)->key != key || (*it)->subKey != subKey)
                continue;
            if (--(*it)->references == 0)
                m_pairs.erase(std::next(it).base());
            return;
        }
    }

    std::size_t PairCount() const { return m_pairs.size(); }

private:
    struct Pair {
        std::uint32_t key;
        std::uint8_t subKey;
        std::uint32_t references; // wider than a byte: an overflow would free lists in use
        std::unique_ptr<List> first;
        std::unique_ptr<List> second;
    };

    // The most recently made pair with the key wins.
    Pair* Find(std::uint32_t key, std::uint8_t subKey)
    {
        for (auto it = m_pairs.rbegin(); it != m_pairs.rend(); ++it) {
            if ((*it)->key == key && (*it)->subKey == subKey)
                return it->get();
        }
        return nullptr;
    }

    Factory m_make;
    std::vector<std::unique_ptr<Pair>> m_pairs;
};

} // namespace vesk
