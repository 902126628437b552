#include "library/collation_sort.h"

#include <algorithm>
#include <cstdint>

namespace kavrel::library {

void sortByCollation(std::vector<std::string>& texts, const text::LocaleCollator& collator) {
    struct Entry {
        std::string key;
        std::uint32_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        entries.push_back({collator.sortKey(texts[i]), static_cast<std::uint32_t>(i)});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.index < b.index;
    });
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const Entry& entry : entries)
        sorted.push_back(std::move(texts[entry.index]));
    texts = std::move(sorted);
}

} // namespace kavrel::library
