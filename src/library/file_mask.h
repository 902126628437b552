#pragma once
// File masks such as "*.mp3": "*" matches any run of characters, "?" any one, letter case ignored.
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::library {

class FileMasks {
public:
    explicit FileMasks(const std::vector<std::string>& masks);
    bool matches(std::string_view fileName) const;

private:
    std::vector<std::u32string> lowerMasks_;
};

// `text` against one mask of the same letter case.
bool wildcardMatch(std::string_view mask, std::string_view text);

} // namespace kavrel::library
