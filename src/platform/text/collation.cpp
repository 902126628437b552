#include "platform/text/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <stdexcept>

namespace kavrel::text {

namespace {

icu::UnicodeString unicode(std::string_view utf8) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}

std::string utf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

// The collation locale named by the environment, as POSIX resolves it.
std::string environmentLocale() {
    for (const char* name : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "C";
}

icu::Locale icuLocale(std::string_view name) {
    std::string base(name.substr(0, name.find_first_of(".@")));
    if (base.empty() || base == "C" || base == "POSIX")
        return icu::Locale::getRoot();
    return icu::Locale(base.c_str());
}

} // namespace

int compareOrdinal(std::string_view a, std::string_view b) {
    const int result = a.compare(b);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

struct LocaleCollator::Impl {
    std::unique_ptr<icu::Collator> collator;
};

LocaleCollator::LocaleCollator() : LocaleCollator(environmentLocale()) {}

LocaleCollator::LocaleCollator(std::string_view localeName) : impl_(std::make_unique<Impl>()) {
    UErrorCode status = U_ZERO_ERROR;
    impl_->collator.reset(icu::Collator::createInstance(icuLocale(localeName), status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        impl_->collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (U_FAILURE(status) || !impl_->collator)
        throw std::runtime_error(std::string("cannot create a collator: ") + u_errorName(status));
    // Secondary strength: accents count, letter case does not.
    impl_->collator->setStrength(icu::Collator::SECONDARY);
}

LocaleCollator::~LocaleCollator() = default;
LocaleCollator::LocaleCollator(LocaleCollator&&) noexcept = default;
LocaleCollator& LocaleCollator::operator=(LocaleCollator&&) noexcept = default;

void LocaleCollator::orderDigitsByValue() {
    UErrorCode status = U_ZERO_ERROR;
    impl_->collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
}

int LocaleCollator::compare(std::string_view a, std::string_view b) const {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = impl_->collator->compareUTF8(
        icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
        icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    if (U_FAILURE(status))
        return compareOrdinal(a, b);
    return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}

std::string LocaleCollator::sortKey(std::string_view text) const {
    const icu::UnicodeString source = unicode(text);
    std::string key(64, '\0');
    int32_t length = impl_->collator->getSortKey(source, reinterpret_cast<uint8_t*>(key.data()),
                                                 static_cast<int32_t>(key.size()));
    if (length > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(length));
        length = impl_->collator->getSortKey(source, reinterpret_cast<uint8_t*>(key.data()), length);
    }
    // The key ends with a NUL that is not part of the order.
    key.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    return key;
}

std::string toLowerCase(std::string_view text) { return utf8(unicode(text).toLower(icu::Locale::getRoot())); }
std::string toUpperCase(std::string_view text) { return utf8(unicode(text).toUpper(icu::Locale::getRoot())); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return unicode(a).caseCompare(unicode(b), U_FOLD_CASE_DEFAULT) == 0;
}

} // namespace kavrel::text
