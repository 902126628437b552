#include "platform/text/numbers.h"

#include <gtest/gtest.h>

namespace kavrel::text {
namespace {

TEST(Numbers, RoundsHalfToEven) {
    const std::pair<double, std::int64_t> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.51, 3}, {-0.4, 0}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(roundHalfEven(value), expected) << value;
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
}

TEST(Numbers, LenientParsingKeepsDigitsAndTheFirstSeparator) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"12,5%", 12.5}, {"12.5", 12.5}, {" 35 ", 35.0}, {"1.2.3", 1.23}, {"-7", 7.0},
        {",5", 0.5},     {"abc", std::nullopt}, {"", std::nullopt}, {",", std::nullopt}};
    for (auto [textValue, expected] : cases)
        EXPECT_EQ(parseLenientNumber(textValue), expected) << textValue;
}

TEST(Numbers, StrictIntegersAcceptNothingElse) {
    EXPECT_EQ(parseStrictInt("-15"), -15);
    EXPECT_EQ(parseStrictInt("+7"), 7);
    for (const char* bad : {"", "+", "1 ", " 1", "12a", "2147483648", "1.0", "++1"})
        EXPECT_EQ(parseStrictInt(bad), std::nullopt) << bad;
}

TEST(Numbers, FormatDuration) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "00:00"},          {59000, "00:59"},       {59500, "01:00"}, // 59.5 s rounds to 60
        {60500, "01:00"},      {61500, "01:02"},       {3599000, "59:59"},
        {3600000, "1:00:00"},  {86400000, "1:00:00"},  {90061000, "1:1:01:01"},
        {36000000, "10:00:00"}};
    for (auto [ms, expected] : cases)
        EXPECT_EQ(formatDuration(ms), expected) << ms;
    EXPECT_EQ(formatDuration(std::string_view("")), "00:00");
    EXPECT_EQ(formatDuration(std::string_view("x1")), "00:00");
    EXPECT_EQ(formatDuration(std::string_view("125000")), "02:05");
}

} // namespace
} // namespace kavrel::text
