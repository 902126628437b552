#pragma once
// Stage 3's merge of artist spellings. Every song's artist is compared with every later one: names
// equal ignoring case are counted once, and names that differ only in hyphens against blanks, repeated
// or surrounding blanks are rewritten to the first one's cleaned spelling. The pairwise rule is
// quadratic; mergeArtistNames() gives its exact result in O(N log N) by keeping the unmerged songs in
// ordered sets per collation key.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/collation.h"

namespace kavrel::library {

// Characters up to and including the blank trimmed at both ends, every "-" made a blank, then each run
// of blanks cut to one.
std::string cleanArtistName(std::string_view name);

// `a` when a and b are equal ignoring case; else the cleaned `a` when the cleaned names are equal
// ignoring case; else empty (not similar).
std::string similarArtist(std::string_view a, std::string_view b, const text::LocaleCollator& collator);

struct MergedArtists {
    // The artist of every song after the merge.
    std::vector<std::string> artists;
    // Whether the song counts as an artist of its own (it merged no earlier song's name).
    std::vector<char> counted;
};

// `artists` holds the artist of each song, in song order. `onRow(i)` is called as the merge passes
// song i (not necessarily for every i); when it returns false the merge stops and gives nullopt.
std::optional<MergedArtists> mergeArtistNames(std::vector<std::string> artists,
                                              const text::LocaleCollator& collator,
                                              const std::function<bool(std::size_t)>& onRow);

} // namespace kavrel::library
