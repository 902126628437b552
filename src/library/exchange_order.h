#pragma once
// The order of the pass-by-pass exchange sort that the panels and the playlist use: for pass p = 1..n-1
// and j = 1..n-p, items j and j + 1 are exchanged when key(j) >= key(j + 1). Exchanging equal keys too
// decides where they end up, and users know that order, so it is reproduced exactly, in O(n log n).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace kavrel::library {

// <0, 0 or >0 as for the keys of two items, given by their 1-based numbers.
using IndexCompare = std::function<int(int, int)>;

// The 1-based items 1..count in the order the exchange sort leaves them.
std::vector<int> exchangeOrder(int count, const IndexCompare& compare);
// The same for keys given at once (item i's key is keys[i - 1]): texts compared byte by byte, or whole
// numbers. Much faster on large tables than a comparison that reads the items, whose keys lie scattered.
std::vector<int> exchangeOrder(const std::vector<std::string_view>& keys);
std::vector<int> exchangeOrder(const std::vector<std::int64_t>& keys);

// Puts the items in `order` (as exchangeOrder gives it) in place: item k becomes what item order[k - 1]
// was. `at(i)` is the 1-based item i. Each item is moved once and nothing is allocated per item, so a
// large table is not copied.
template <class At> void arrangeInOrder(const std::vector<int>& order, At at) {
    std::vector<bool> placed(order.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        auto held = std::move(at(static_cast<int>(start) + 1));
        std::size_t to = start;
        for (;;) {
            placed[to] = true;
            const auto from = static_cast<std::size_t>(order[to] - 1);
            if (from == start)
                break;
            at(static_cast<int>(to) + 1) = std::move(at(static_cast<int>(from) + 1));
            to = from;
        }
        at(static_cast<int>(to) + 1) = std::move(held);
    }
}

} // namespace kavrel::library
