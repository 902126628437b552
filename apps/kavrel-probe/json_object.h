#pragma once
// A JSON object written member by member, in order, on one line.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kavrel::probe {

class JsonObject {
public:
    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& boolean(std::string_view key, bool value);
    JsonObject& integer(std::string_view key, std::int64_t value);
    // Shortest text that reads back as the same double; null when not finite.
    JsonObject& number(std::string_view key, double value);
    JsonObject& integers(std::string_view key, std::span<const std::uint8_t> values);
    JsonObject& object(std::string_view key, const JsonObject& value);

    std::string str() const { return "{" + members_ + "}"; }

private:
    void key(std::string_view name);

    std::string members_;
};

// A JSON string literal; text that is not valid UTF-8 has its bad bytes replaced by U+FFFD.
std::string jsonString(std::string_view text);

} // namespace kavrel::probe
