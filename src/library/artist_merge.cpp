#include "library/artist_merge.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <unordered_map>

namespace kavrel::library {

std::string cleanArtistName(std::string_view name) {
    const auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!name.empty() && isTrimmed(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && isTrimmed(name.back()))
        name.remove_suffix(1);
    std::string clean;
    clean.reserve(name.size());
    for (char c : name) {
        if (c == '-')
            c = ' ';
        if (c == ' ' && !clean.empty() && clean.back() == ' ')
            continue;
        clean.push_back(c);
    }
    return clean;
}

std::string similarArtist(std::string_view a, std::string_view b, const text::LocaleCollator& collator) {
    if (collator.equal(a, b))
        return std::string(a);
    std::string cleanA = cleanArtistName(a);
    return collator.equal(cleanA, cleanArtistName(b)) ? cleanA : std::string();
}

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Gives every distinct spelling, and every distinct collation key, a small number, so each name is
// cleaned and keyed once however many songs carry it.
class SpellingIndex {
public:
    explicit SpellingIndex(const text::LocaleCollator& collator) : collator_(collator) {}

    struct Spelling {
        std::size_t key;
        std::size_t cleanKey;
        std::string clean;
    };

    std::size_t spellingOf(const std::string& text) {
        const auto [found, inserted] = spellingIds_.try_emplace(text, spellings_.size());
        if (inserted) {
            std::string clean = cleanArtistName(text);
            const std::size_t key = keyOf(text);
            const std::size_t cleanKey = clean == text ? key : keyOf(clean);
            spellings_.push_back({key, cleanKey, std::move(clean)});
        }
        return found->second;
    }
    const Spelling& operator[](std::size_t id) const { return spellings_[id]; }
    std::size_t keyCount() const { return keyIds_.size(); }

private:
    std::size_t keyOf(const std::string& text) {
        return keyIds_.try_emplace(collator_.sortKey(text), keyIds_.size()).first->second;
    }

    const text::LocaleCollator& collator_;
    std::unordered_map<std::string, std::size_t> spellingIds_;
    std::unordered_map<std::string, std::size_t> keyIds_;
    std::vector<Spelling> spellings_;
};

// The songs not yet merged away, by the key of their name and by the key of their cleaned name.
class PendingSongs {
public:
    void add(std::size_t song, std::size_t key, std::size_t cleanKey) {
        setFor(byKey_, key).insert(song);
        setFor(byCleanKey_, cleanKey).insert(song);
    }
    void remove(std::size_t song, std::size_t key, std::size_t cleanKey) {
        byKey_[key].erase(song);
        byCleanKey_[cleanKey].erase(song);
    }
    // The first pending song after `after` whose key is `key`, or whose cleaned key is `cleanKey`.
    std::size_t firstAfter(std::size_t after, std::size_t key, std::size_t cleanKey) const {
        return std::min(firstIn(byKey_, key, after), firstIn(byCleanKey_, cleanKey, after));
    }

private:
    using Sets = std::vector<std::set<std::size_t>>;
    static std::set<std::size_t>& setFor(Sets& sets, std::size_t key) {
        if (sets.size() <= key)
            sets.resize(key + 1);
        return sets[key];
    }
    static std::size_t firstIn(const Sets& sets, std::size_t key, std::size_t after) {
        if (key == kNone || key >= sets.size())
            return kNone;
        const auto it = sets[key].upper_bound(after);
        return it == sets[key].end() ? kNone : *it;
    }

    Sets byKey_;
    Sets byCleanKey_;
};

} // namespace

std::optional<MergedArtists> mergeArtistNames(std::vector<std::string> artists,
                                              const text::LocaleCollator& collator,
                                              const std::function<bool(std::size_t)>& onRow) {
    const std::size_t count = artists.size();
    SpellingIndex index(collator);
    std::vector<std::size_t> spelling(count);
    MergedArtists merged{{}, std::vector<char>(count, 0)};
    PendingSongs pending;
    for (std::size_t song = 0; song < count; ++song) {
        if (artists[song].empty())
            continue;
        spelling[song] = index.spellingOf(artists[song]);
        merged.counted[song] = 1;
        pending.add(song, index[spelling[song]].key, index[spelling[song]].cleanKey);
    }

    for (std::size_t song = 0; song < count; ++song) {
        if (!onRow(song))
            return std::nullopt;
        if (!merged.counted[song])
            continue;
        const auto& own = index[spelling[song]];
        pending.remove(song, own.key, own.cleanKey);
        // Later songs are visited in order; the name of `song` may change on the way, which changes
        // which later names match it.
        std::size_t current = spelling[song];
        bool rewritten = false;
        std::size_t position = song;
        for (;;) {
            const std::size_t key = index[current].key;
            const std::size_t cleanKey = index[current].clean.empty() ? kNone : index[current].cleanKey;
            const std::size_t other = pending.firstAfter(position, key, cleanKey);
            if (other == kNone)
                break;
            const auto& otherName = index[spelling[other]];
            const bool sameIgnoringCase = otherName.key == key;
            pending.remove(other, otherName.key, otherName.cleanKey);
            merged.counted[other] = 0;
            if (rewritten || !sameIgnoringCase) {
                if (!sameIgnoringCase) {
                    artists[song] = index[current].clean;
                    current = index.spellingOf(artists[song]);
                }
                artists[other] = artists[song];
                rewritten = true;
            }
            position = other;
        }
    }
    merged.artists = std::move(artists);
    return merged;
}

} // namespace kavrel::library
