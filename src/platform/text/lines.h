#pragma once
// Lines of the program's text files: readers accept CR LF, LF and CR; writers end every line with CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::text {

// A line end that closes the text starts no further line. The views point into text.
std::vector<std::string_view> splitLines(std::string_view text);

// Each line followed by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

} // namespace kavrel::text
