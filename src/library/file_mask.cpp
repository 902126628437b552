#include "library/file_mask.h"

#include <algorithm>

#include "platform/text/collation.h"
#include "platform/text/utf8.h"

namespace kavrel::library {

namespace {

std::u32string codePoints(std::string_view utf8) {
    std::u32string result;
    std::size_t pos = 0;
    while (pos < utf8.size())
        result.push_back(text::nextCodePoint(utf8, pos));
    return result;
}

// Greedy star matching with one backtrack point: linear for the masks people write.
bool wildcardMatch(std::u32string_view mask, std::u32string_view text) {
    std::size_t m = 0, t = 0, starMask = std::u32string_view::npos, starText = 0;
    while (t < text.size()) {
        if (m < mask.size() && (mask[m] == U'?' || mask[m] == text[t])) {
            ++m;
            ++t;
        } else if (m < mask.size() && mask[m] == U'*') {
            starMask = m++;
            starText = t;
        } else if (starMask != std::u32string_view::npos) {
            m = starMask + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

} // namespace

bool wildcardMatch(std::string_view mask, std::string_view text) {
    return wildcardMatch(std::u32string_view(codePoints(mask)), std::u32string_view(codePoints(text)));
}

FileMasks::FileMasks(const std::vector<std::string>& masks) {
    for (const auto& mask : masks)
        lowerMasks_.push_back(codePoints(text::toLowerCase(mask)));
}

bool FileMasks::matches(std::string_view fileName) const {
    const std::u32string lower = codePoints(text::toLowerCase(fileName));
    return std::any_of(lowerMasks_.begin(), lowerMasks_.end(), [&](const std::u32string& mask) {
        return wildcardMatch(std::u32string_view(mask), lower);
    });
}

} // namespace kavrel::library
