#pragma once
// The exchange sort written out pass by pass, exchanging equal neighbours too: the oracle every faster
// implementation of that order is checked against.
#include <numeric>
#include <utility>
#include <vector>

namespace kavrel::test {

// The 1-based items 1..count in the order the literal sort leaves them; compare(a, b) as for their keys.
template <class Compare> std::vector<int> literalExchangeOrder(int count, Compare compare) {
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    for (std::size_t pass = 1; pass < order.size(); ++pass)
        for (std::size_t j = 0; j + pass < order.size(); ++j)
            if (compare(order[j], order[j + 1]) >= 0)
                std::swap(order[j], order[j + 1]);
    return order;
}

} // namespace kavrel::test
