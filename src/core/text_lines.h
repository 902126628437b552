#pragma once
// Line handling shared by the text system files: CR LF, LF and CR all end a line on reading.
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::core {

std::vector<std::string> splitLines(std::string_view text);
// Each line followed by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

} // namespace kavrel::core
