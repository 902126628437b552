#include "library/artist_merge.h"

#include <gtest/gtest.h>

#include <random>

namespace kavrel::library {
namespace {

// The pairwise merge exactly as the build first did it, kept as the reference for the fast one.
MergedArtists literalMerge(std::vector<std::string> a, const text::LocaleCollator& collator) {
    const std::size_t n = a.size();
    std::vector<std::string> u = a;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::string t;
        if (u[i].empty())
            continue;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (u[j].empty())
                continue;
            const std::string r = similarArtist(a[i], a[j], collator);
            if (!r.empty() && (!t.empty() || !collator.equal(a[i], a[j]))) {
                a[i] = r;
                a[j] = r;
                t = r;
            }
            if (!r.empty())
                u[j].clear();
        }
    }
    MergedArtists merged{std::move(a), {}};
    for (const auto& name : u)
        merged.counted.push_back(name.empty() ? 0 : 1);
    return merged;
}

MergedArtists fastMerge(std::vector<std::string> artists, const text::LocaleCollator& collator) {
    return *mergeArtistNames(std::move(artists), collator, [](std::size_t) { return true; });
}

TEST(ArtistMerge, CleaningTrimsHyphensAndRepeatedBlanks) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"AC-DC", "AC DC"}, {" ac  dc ", "ac dc"}, {"\t A  -  B \x01", "A B"}, {"-abc-", " abc "},
        {"   ", ""},        {"a--b", "a b"},       {"Кино", "Кино"},           {"", ""},
    };
    for (const auto& [name, clean] : cases)
        EXPECT_EQ(cleanArtistName(name), clean) << '"' << name << '"';
}

TEST(ArtistMerge, SpellingVariantsBecomeTheFirstOnesCleanedSpelling) {
    const text::LocaleCollator collator("en_US");
    const auto merged = fastMerge({"AC-DC", "AC DC", " ac  dc "}, collator);
    EXPECT_EQ(merged.artists, (std::vector<std::string>{"AC DC", "AC DC", "AC DC"}));
    EXPECT_EQ(merged.counted, (std::vector<char>{1, 0, 0}));
}

TEST(ArtistMerge, CaseVariantsKeepTheirSpellingButCountOnce) {
    const text::LocaleCollator collator("en_US");
    const auto merged = fastMerge({"Abba", "ABBA", "Beatles", "abba"}, collator);
    EXPECT_EQ(merged.artists, (std::vector<std::string>{"Abba", "ABBA", "Beatles", "abba"}));
    EXPECT_EQ(merged.counted, (std::vector<char>{1, 0, 1, 0}));
}

TEST(ArtistMerge, AnEarlierMergeMakesLaterCaseVariantsTakeTheNewSpelling) {
    const text::LocaleCollator collator("en_US");
    const auto merged = fastMerge({"Guns-N-Roses", "GUNS N ROSES", "guns-n-roses"}, collator);
    EXPECT_EQ(merged.artists, (std::vector<std::string>{"Guns N Roses", "Guns N Roses", "Guns N Roses"}));
}

TEST(ArtistMerge, StopsWhenAsked) {
    const text::LocaleCollator collator("en_US");
    EXPECT_FALSE(mergeArtistNames({"a", "b", "c"}, collator, [](std::size_t row) { return row < 1; }));
}

// Names built from a few stems in every spelling trick the merge knows, so that random lists hold
// many near-matches, chains and names equal only after cleaning.
std::string trickyName(std::mt19937& random) {
    static const std::vector<std::string> stems = {"ac dc", "abba", "guns n roses", "кино", "ДДТ",
                                                   "a",     "b-52", "b 52",         "x"};
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    std::string name = stems[pick(stems.size())];
    for (char& c : name) {
        if (c == ' ' && pick(3) == 0)
            c = '-';
        else if (c >= 'a' && c <= 'z' && pick(2) == 0)
            c = static_cast<char>(c - 'a' + 'A');
    }
    if (name == "кино" && pick(2) == 0)
        name = "КИНО";
    switch (pick(8)) {
    case 0:
        name = " " + name;
        break;
    case 1:
        name += "  ";
        break;
    case 2:
        name = "-" + name;
        break;
    case 3:
        if (auto blank = name.find(' '); blank != std::string::npos)
            name.insert(blank, "  ");
        break;
    case 4:
        name += "-";
        break;
    case 5:
        name = pick(4) == 0 ? std::string(pick(3), ' ') : name;
        break;
    default:
        break;
    }
    return name;
}

TEST(ArtistMerge, FastMergeEqualsThePairwiseMergeOnRandomTrickyLists) {
    for (const char* locale : {"en_US", "ru_RU"}) {
        const text::LocaleCollator collator(locale);
        std::mt19937 random(20261210);
        for (int round = 0; round < 400; ++round) {
            std::vector<std::string> artists(std::uniform_int_distribution<int>(0, 40)(random));
            for (auto& artist : artists)
                artist = trickyName(random);
            const auto expected = literalMerge(artists, collator);
            const auto actual = fastMerge(artists, collator);
            ASSERT_EQ(actual.artists, expected.artists) << locale << " round " << round;
            ASSERT_EQ(actual.counted, expected.counted) << locale << " round " << round;
        }
    }
}

} // namespace
} // namespace kavrel::library
