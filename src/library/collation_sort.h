#pragma once
// Sorting whole texts by the locale-aware comparison ignoring case, through sort keys: one key per text
// instead of a collation per comparison.
#include <string>
#include <vector>

#include "platform/text/collation.h"

namespace kavrel::library {

void sortByCollation(std::vector<std::string>& texts, const text::LocaleCollator& collator);

} // namespace kavrel::library
