#pragma once
// Orders and case mapping of user text (ICU). Nobody else lower-cases or compares user text by hand.
#include <memory>
#include <string>
#include <string_view>

namespace kavrel::text {

// Byte order of the UTF-8 text: upper case before lower case, Latin before Cyrillic. <0, 0 or >0.
int compareOrdinal(std::string_view a, std::string_view b);

// Locale-aware comparison ignoring letter case, for the user's locale (LC_ALL, LC_COLLATE, LANG; ICU's
// root collation for C and POSIX). Build one and pass it to whoever sorts; compare() and sortKey() may
// be called from one thread at a time per instance.
class LocaleCollator {
public:
    // The user's locale from the environment.
    LocaleCollator();
    // A named ICU locale such as "ru_RU" or "en_US"; "C" and "POSIX" mean the root collation.
    explicit LocaleCollator(std::string_view localeName);
    ~LocaleCollator();
    LocaleCollator(LocaleCollator&&) noexcept;
    LocaleCollator& operator=(LocaleCollator&&) noexcept;

    // Runs of digits then compare by their value ("2" before "10"), as file managers order names.
    void orderDigitsByValue();

    int compare(std::string_view a, std::string_view b) const;
    bool equal(std::string_view a, std::string_view b) const { return compare(a, b) == 0; }
    // Byte strings whose byte order is the collation order (for sorting many texts fast).
    std::string sortKey(std::string_view text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Full Unicode case mapping, locale-independent.
std::string toLowerCase(std::string_view utf8);
std::string toUpperCase(std::string_view utf8);
// Equality after case folding.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace kavrel::text
