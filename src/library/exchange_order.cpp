#include "library/exchange_order.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <numeric>
#include <span>
#include <string>

namespace kavrel::library {

namespace {

// Counts over slots 0..size-1, with the k-th slot still counted found in O(log size).
class SlotCounts {
public:
    explicit SlotCounts(std::size_t size) : tree_(size + 1, 0) {}

    void add(std::size_t slot, int delta) {
        for (++slot; slot < tree_.size(); slot += slot & (~slot + 1))
            tree_[slot] += delta;
    }
    // Of the slots before `slot`.
    int countBefore(std::size_t slot) const {
        int sum = 0;
        for (; slot > 0; slot -= slot & (~slot + 1))
            sum += tree_[slot];
        return sum;
    }
    // The slot holding the k-th (0-based) count.
    std::size_t nth(int k) const {
        std::size_t slot = 0;
        for (std::size_t step = std::bit_floor(tree_.size() - 1); step > 0; step >>= 1)
            if (slot + step < tree_.size() && tree_[slot + step] <= k) {
                slot += step;
                k -= tree_[slot];
            }
        return slot;
    }

private:
    std::vector<int> tree_;
};

// Why this is the exchange sort's order. Pass p carries the leftmost largest key of rows 1..n-p+1 to
// row n-p+1, where it stays; so the keys end up sorted, and only the order inside one group of equal keys
// g is in question. Seen from g, the smaller keys never matter, and pass p (while a greater key is left)
// moves the first g-row of the group behind the other g-rows that stand before the first greater row;
// every other g-row keeps its place among its group. The greater rows leave for the end one by one, in
// their original order, so before pass p exactly the g-rows that originally stood before the p-th greater
// row are in front of it. Once no greater row is left, each pass takes the group's first row to the last
// free place: the group ends reversed. Between its v-th and (v+1)-th row the group had k_v greater rows,
// so its first v rows were rotated left by one k_v times, i.e. by k_v mod v, after the first v-1 had
// been rotated. Those rotations never change the group's circular order, only where its reading starts,
// so they are undone from the last row back, each row taking its slot from the rows still unplaced.
void placeGroup(std::span<const int> members, const SlotCounts& greater, std::size_t count,
                std::span<int> out) {
    const std::size_t size = members.size();
    std::vector<std::size_t> shift(size);
    for (std::size_t v = 0; v < size; ++v) {
        const auto from = static_cast<std::size_t>(members[v]); // 1-based: rows after this one
        const std::size_t to = v + 1 < size ? static_cast<std::size_t>(members[v + 1]) - 1 : count;
        const auto between = static_cast<std::size_t>(greater.countBefore(to) - greater.countBefore(from));
        shift[v] = between % (v + 1);
    }
    SlotCounts unplaced(size);
    for (std::size_t slot = 0; slot < size; ++slot)
        unplaced.add(slot, 1);
    std::size_t start = 0;
    for (std::size_t v = size; v >= 1; --v) {
        const std::size_t rank = (v - 1 - shift[v - 1] + start) % v;
        const std::size_t slot = unplaced.nth(static_cast<int>(rank));
        unplaced.add(slot, -1);
        out[size - 1 - slot] = members[v - 1];
        if (v > 1)
            start = rank % (v - 1);
    }
}

template <class Compare> std::vector<int> orderBy(std::size_t n, const Compare& compare) {
    std::vector<int> sorted(n);
    std::iota(sorted.begin(), sorted.end(), 1);
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return compare(a, b) < 0; });

    std::vector<std::size_t> groupStarts;
    for (std::size_t i = 0; i < n; ++i)
        if (i == 0 || compare(sorted[i - 1], sorted[i]) != 0)
            groupStarts.push_back(i);
    if (groupStarts.size() == n)
        return sorted;
    groupStarts.push_back(n);

    std::vector<int> order(n);
    SlotCounts greater(n); // by 0-based original row: the rows of the groups already placed
    for (std::size_t g = groupStarts.size() - 1; g-- > 0;) {
        const std::span<const int> members(sorted.data() + groupStarts[g],
                                           groupStarts[g + 1] - groupStarts[g]);
        placeGroup(members, greater, n, std::span<int>(order.data() + groupStarts[g], members.size()));
        for (const int row : members)
            greater.add(static_cast<std::size_t>(row) - 1, 1);
    }
    return order;
}

} // namespace

std::vector<int> exchangeOrder(int count, const IndexCompare& compare) {
    return orderBy(static_cast<std::size_t>(std::max(count, 0)), compare);
}

std::vector<int> exchangeOrder(const std::vector<std::string_view>& keys) {
    // One compact copy of the keys, so the sort reads a small block instead of the rows they lie in.
    std::string packed;
    std::size_t size = 0;
    for (const std::string_view key : keys)
        size += key.size();
    packed.reserve(size);
    for (const std::string_view key : keys)
        packed += key;
    std::vector<std::string_view> views;
    views.reserve(keys.size());
    std::size_t offset = 0;
    for (const std::string_view key : keys) {
        views.emplace_back(packed.data() + offset, key.size());
        offset += key.size();
    }
    return orderBy(keys.size(), [&](int a, int b) {
        return views[static_cast<std::size_t>(a - 1)].compare(views[static_cast<std::size_t>(b - 1)]);
    });
}

std::vector<int> exchangeOrder(const std::vector<std::int64_t>& keys) {
    return orderBy(keys.size(), [&](int a, int b) {
        const std::int64_t x = keys[static_cast<std::size_t>(a - 1)];
        const std::int64_t y = keys[static_cast<std::size_t>(b - 1)];
        return x < y ? -1 : (x > y ? 1 : 0);
    });
}

} // namespace kavrel::library
